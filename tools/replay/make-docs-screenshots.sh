#!/bin/sh
# Regenerates the screenshots under docs/screenshots/ from the replay scripts
# under docs/replays/. Each script says in its header comments how it is run
# and which frames become pictures:
#   # run: --dt 0.1 --frames 80        arguments for tavernrush-replay
#   # shot: 58 ladder-top.png          the window after frame 58
#   # graphics: render_scale = 0.5     a [graphics] setting for this run only
# In the arguments, {replays} stands for docs/replays (a best run to race).
#
# usage: tools/replay/make-docs-screenshots.sh [BUILD_DIR] [SIZE]
#   BUILD_DIR  a build folder holding tavernrush-replay and assets/ (default: build)
#   SIZE       window width and height in pixels (default: 480, which keeps
#              each PNG under 400 KB)
# Needs a display; without one it runs itself again under xvfb-run.
set -eu

repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$repo/build}" && pwd)
size=${2:-480}
replay="$build/tavernrush-replay"

if [ ! -x "$replay" ] || [ ! -d "$build/assets" ]; then
    echo "make-docs-screenshots: no tavernrush-replay with assets/ in $build; build it first" >&2
    exit 2
fi
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$size"
fi

# The game reads assets/ from its working folder: a folder of links to the
# build's assets with a settings file of its own for the picture size.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/assets"
for entry in "$build"/assets/*; do
    [ "$(basename "$entry")" = settings.ini ] || ln -s "$entry" "$work/assets/"
done

out="$repo/docs/screenshots"
mkdir -p "$out"
status=0
for script in "$repo"/docs/replays/*.replay; do
    name=$(basename "$script")
    # The replay's arguments: the words after "# run:", then one --shot for
    # each "# shot:" line.
    run=$(sed -n 's/^# run:[[:space:]]*//p' "$script" | head -n 1 | sed "s#{replays}#$repo/docs/replays#g")
    set --
    for word in $run; do
        set -- "$@" "$word"
    done
    sed -n 's/^# shot:[[:space:]]*//p' "$script" > "$work/shots.txt"
    while read -r frame file; do
        set -- "$@" --shot "$frame:$out/$file"
    done < "$work/shots.txt"

    # The picture size, and the script's own [graphics] lines, if any.
    {
        printf '[window]\nwidth = %s\nheight = %s\n[graphics]\n' "$size" "$size"
        sed -n 's/^# graphics:[[:space:]]*//p' "$script"
    } > "$work/assets/settings.ini"

    echo "== $name: $*"
    if ! (cd "$work" && "$replay" --script "$script" "$@") > "$work/output.txt" 2>&1; then
        echo "make-docs-screenshots: $name failed:" >&2
        cat "$work/output.txt" >&2
        status=1
        continue
    fi
    if grep -q "OpenGL Error" "$work/output.txt"; then
        echo "make-docs-screenshots: $name reported GL errors:" >&2
        grep "OpenGL Error" "$work/output.txt" >&2
        status=1
    fi
    tail -n 1 "$work/output.txt"
done
ls -l "$out"
exit $status
