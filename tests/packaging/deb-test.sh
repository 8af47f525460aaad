#!/usr/bin/env bash
# Checks the Debian package of a normal build (cpack -G DEB run in BUILD_DIR): its files, its
# control data, lintian, and the extracted programs.
# Usage: deb-test.sh BUILD_DIR
set -uo pipefail
build=$(realpath "$1")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/orvan2a_${version}_amd64.deb"
work=$(mktemp -d "${TMPDIR:-/tmp}/orvan2a-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
passed=0
failed=0
check() {
    local description=$1
    shift
    if "$@"; then
        passed=$((passed + 1)) && echo "ok   $description"
    else
        failed=$((failed + 1)) && echo "FAIL $description"
    fi
}

check "orvan2a_${version}_amd64.deb exists" [ -f "$deb" ]
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||' >"$work/contents"
expected=(usr/bin/orvan2a usr/bin/orvan2a-cli usr/bin/orvan2a-sim
    usr/share/applications/orvan2a.desktop usr/share/mime/packages/orvan2a.xml
    usr/share/icons/hicolor/scalable/apps/orvan2a.svg
    usr/share/man/man1/orvan2a.1.gz usr/share/man/man1/orvan2a-cli.1.gz
    usr/share/man/man1/orvan2a-sim.1.gz
    usr/share/doc/orvan2a/copyright usr/share/doc/orvan2a/changelog.gz
    usr/share/bash-completion/completions/orvan2a-cli)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/orvan2a.png")
done
for file in "${expected[@]}"; do
    check "holds $file" grep -qx "$file" "$work/contents"
done

dpkg-deb -f "$deb" Section Depends Description >"$work/control"
check "section electronics" grep -qx "Section: electronics" "$work/control"
# dpkg-shlibdeps, not a hand-written list: the Qt libraries with versions from their symbols.
check "dependencies computed from the libraries" grep -qE "^Depends: .*libqt6widgets6 \(>= [0-9.]+\)" "$work/control"
check "a German description" grep -q "^Description: Programmiersoftware für das Orvan 2a/2b" "$work/control"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.out" 2>&1
status=$?
grep -v 'root privileges' "$work/lintian.out"
check "lintian reports no errors" [ "$status" -eq 0 ]

dpkg-deb -x "$deb" "$work/root"
# A double-click on a register file starts the program with that file.
entry="$work/root/usr/share/applications/orvan2a.desktop"
mime="$work/root/usr/share/mime/packages/orvan2a.xml"
check "desktop entry passes the file" grep -qx "Exec=orvan2a %f" "$entry"
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
check "desktop entry opens the register file type" grep -qx "MimeType=${mime_type};" "$entry"
check "MIME type matches *.rvx2a2" grep -q '<glob pattern="\*.rvx2a2"/>' "$mime"
check "  with a German comment" grep -q '<comment xml:lang="de">Registerdatei' "$mime"
check "  and the program's icon" grep -q '<icon name="orvan2a"/>' "$mime"
mkdir -p "$work/mime/packages" && cp "$mime" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>&1
check "  and the MIME database takes it" grep -q ":${mime_type}:\*\.rvx2a2" "$work/mime/globs2"
for program in orvan2a-cli orvan2a-sim; do
    "$work/root/usr/bin/$program" --help >"$work/$program.help" 2>&1
    check "extracted $program --help runs" [ $? -eq 0 ]
    check "  and answers in German" grep -q "^Aufruf" "$work/$program.help"
done
for program in orvan2a orvan2a-cli orvan2a-sim; do
    check "manual page of $program is its German help" \
        grep -q "Aufruf" <(zcat "$work/root/usr/share/man/man1/$program.1.gz")
done

for program in orvan2a-cli orvan2a-sim; do
    check "$program --version names the version" \
        [ "$("$work/root/usr/bin/$program" --version)" = "$program $version" ]
done

# The completion as bash-completion loads it, in a folder with a register file, another file and
# a subfolder, and with a simulated unit registered as a COM port.
complete_words() {  # complete_words WORD...: what bash offers for the last word, one a line
    (cd "$work/files" && XDG_CONFIG_HOME="$work/config" bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"
        shift
        COMP_WORDS=("$@") COMP_CWORD=$(($# - 1)) COMP_LINE="$*" COMP_POINT=${#COMP_LINE}
        _orvan2a_cli
        printf "%s\n" "${COMPREPLY[@]}" | sort' _ \
        "$work/root/usr/share/bash-completion/completions/orvan2a-cli" \
        "$work/root/usr/bin/orvan2a-cli" "$@")
}
mkdir -p "$work/files/Anlagen Süd" "$work/config/orvan2a/ports"
touch "$work/files/anlage.rvx2a2" "$work/files/notiz.txt"
"$work/root/usr/bin/orvan2a-sim" --ports-folder "$work/config/orvan2a/ports" >"$work/sim.out" 2>&1 &
sim=$!
for _ in $(seq 50); do grep -q ' als COM' "$work/sim.out" && break; sleep 0.1; done
com=$(grep -o ' als COM[0-9]*' "$work/sim.out" | grep -o 'COM[0-9]*')
check "completion: \"sh\" becomes show" [ "$(complete_words sh)" = show ]
check "completion: show offers register files and folders" \
    [ "$(complete_words show '')" = "$(printf 'Anlagen Süd\nanlage.rvx2a2')" ]
check "completion: read offers the port that opens" [ "$(complete_words read CO)" = "$com" ]
check "completion: after --trace FILE the commands" \
    [ "$(complete_words --trace t.txt fa)" = factory-reset ]
check "completion: send --verify PORT offers register files" \
    [ "$(complete_words send --verify "$com" a)" = anlage.rvx2a2 ]
check "completion: import --base BASE TEXT FILE offers register files last" \
    [ "$(complete_words import --base anlage.rvx2a2 notiz.txt a)" = anlage.rvx2a2 ]
kill "$sim" && wait "$sim" 2>/dev/null

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
