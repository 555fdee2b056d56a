#!/usr/bin/env bash
# The layers of src/, lowest first: the core folders, the window base (ui/), the feature
# windows, the top (app/). A file includes only its own layer or lower ones.
#   check-layers.sh SOURCE_FOLDER
set -uo pipefail
cd "${1:?the src folder}" || exit 1

core='product|files|documents|settings|export|ansi'
features='appearance|palette|generator|shell|about'
status=0
refuse() { # refuse FILES PATTERN WHY
    local hits
    hits=$(grep -nE "^#include [\"<]($2)" $1 2>/dev/null)
    if [ -n "$hits" ]; then
        echo "$3:"
        echo "$hits"
        status=1
    fi
}

refuse "$(ls -d */ | grep -vx app/ | sed 's|$|*|')" 'app/' "only the top includes app/"
refuse "ui/*" "($features)/" "the window base includes no feature window"
refuse "$(ls -d */ | grep -E "^($core)/$" | sed 's|$|*|')" "ui/|($features|app)/|Q(Widget|Gui|Painter|Color|Font|Image|Pixmap)" \
    "the core folders include no window and no Qt GUI header"
[ $status -eq 0 ] && echo "PASS: every include points to its own layer or a lower one"
exit $status
