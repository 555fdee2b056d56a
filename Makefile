# `make run` sets the machine up, builds and starts Quilra; `make test` sets up, builds and runs
# every test. `make sanitize` runs every test built by clang with AddressSanitizer and
# UndefinedBehaviorSanitizer; `make fuzz` runs each libFuzzer target for FUZZ_SECONDS.
# `make install PREFIX=DIR` installs, `make package` makes the Debian package.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 180
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
# Extra CMake settings, such as -DQUILRA_WERROR=ON (what CI uses).
CMAKE_FLAGS ?=

.PHONY: all deps deps-test configure build run test sanitize fuzz bench install uninstall \
	package package-check format format-check clean

all: build

deps:
	tools/install-deps

deps-test:
	tools/install-deps test

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/quilra

test: deps-test build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

sanitize: deps-test
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DQUILRA_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && ctest --output-on-failure -j $(JOBS)

# Findings and the growing corpus stay in $(FUZZ_BUILD)/tests/fuzz/runs/<target>/.
fuzz: deps-test
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DQUILRA_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target quilra_fuzzers
	cd $(FUZZ_BUILD) && FUZZ_SECONDS=$(FUZZ_SECONDS) \
	    ctest --output-on-failure -j $(JOBS) --timeout $$(( $(FUZZ_SECONDS) + 300 ))

bench: build
	$(BUILD)/bench/quilra_bench_documents
	$(BUILD)/bench/quilra_bench_editing
	$(BUILD)/bench/quilra_bench_longline
	$(BUILD)/bench/quilra_bench_generator
	$(BUILD)/bench/quilra_bench_media
	$(BUILD)/bench/quilra_bench_palette
	$(BUILD)/bench/quilra_bench_preview
	$(BUILD)/bench/quilra_bench_export
	$(BUILD)/bench/quilra_bench_reading
	$(BUILD)/bench/quilra_bench_thumbnail
	$(BUILD)/bench/quilra_bench_checker
	$(BUILD)/bench/quilra_bench_print

# The program knows where it is installed, so the prefix is set when it is built.
install: deps
	cmake -S . -B $(BUILD) -DCMAKE_INSTALL_PREFIX=$(PREFIX) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)
	cmake --install $(BUILD)

uninstall:
	xargs -r -d '\n' rm -f -- < $(BUILD)/install_manifest.txt

package:
	tools/install-deps package
	cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
		-DQUILRA_BUILD_TESTS=OFF -DQUILRA_HARDENING=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD)-package -j $(JOBS)
	cd $(BUILD)-package && cpack -G DEB

# What a Debian reviewer checks, on what `make package` made: any error or warning fails.
package-check: package
	tools/check-package $(BUILD)-package

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf $(BUILD) $(BUILD)-package $(SANITIZE_BUILD) $(FUZZ_BUILD)
