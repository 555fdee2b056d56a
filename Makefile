# `make run` sets the machine up, builds and starts Quilra; `make test` sets up, builds and runs
# every test.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench format format-check clean

all: build

deps:
	tools/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/quilra

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/quilra_bench_documents
	$(BUILD)/bench/quilra_bench_generator
	$(BUILD)/bench/quilra_bench_palette
	$(BUILD)/bench/quilra_bench_editing

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD)
