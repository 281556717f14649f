#!/bin/sh
# Fails when an #include reaches up a layer, or when a file outside ui/ and viewer/ includes
# the GUI toolkit. The layers, lowest first:
#
#   base < platform < store, imaging, classify < import, publish < app < ui, cli, viewer
#
# A folder includes only its own files and those of lower layers; folders of one layer do not
# include each other. Tests and test helpers (x_test.cpp, x_testing.*, x_fake.*) may include
# whatever they test with. Usage: check_include_layers.sh [SOURCE_DIR]
set -eu
cd "${1:-$(dirname "$0")/..}"

rank() {
  case "$1" in
    base) echo 0 ;;
    platform) echo 1 ;;
    store | imaging | classify) echo 2 ;;
    import | publish) echo 3 ;;
    app) echo 4 ;;
    ui | cli | viewer) echo 5 ;;
    *) echo "" ;;
  esac
}

layers="base platform store imaging classify import publish app ui cli viewer"
failures=0
for folder in $layers; do
  [ -d "$folder" ] || continue
  own=$(rank "$folder")
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [ -f "$file" ] || continue
    name=$(basename "$file")
    case "$name" in
      *_test.cpp | *_testing.h | *_testing.cpp | *_fake.h | *_fake.cpp) is_test=1 ;;
      *) is_test=0 ;;
    esac
    # The GUI toolkit only in the folders of the windows.
    if [ "$folder" != ui ] && [ "$folder" != viewer ] &&
      grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<(wx|gtk|gdk)/' "$file"; then
      echo "$file: includes the GUI toolkit outside ui/ and viewer/"
      failures=$((failures + 1))
    fi
    [ "$is_test" -eq 1 ] && continue
    for included in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file"); do
      target=${included%%/*}
      [ "$target" = "$included" ] && continue
      [ "$target" = "$folder" ] && continue
      other=$(rank "$target")
      [ -n "$other" ] || continue
      if [ "$other" -ge "$own" ]; then
        echo "$file: includes $included, which is not below $folder"
        failures=$((failures + 1))
      fi
    done
  done
done

if [ "$failures" -gt 0 ]; then
  echo "$failures include(s) reach up or sideways"
  exit 1
fi
echo "every include points down"
