#!/usr/bin/env bash
# The installation as a package would ship it: staged with DESTDIR, then checked file by file,
# validated with the desktop's own tools and asked which file types it recognises.
#   check_install.sh stage BUILD STAGE [CMAKE]  install BUILD under STAGE/usr
#   check_install.sh tree STAGE                 every file at its place, the programs run there
#   check_install.sh desktop STAGE              the launcher and the metainfo pass their validators
#   check_install.sh mime STAGE SOURCE          documents and library items known by name and content
# A missing tool skips its check with status 77.
set -euo pipefail

skip() {
  echo "SKIP: $*"
  exit 77
}
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
need() {
  command -v "$1" >/dev/null || skip "$1 is not installed"
}

app_id=org.lumenwerk.Quillmark
mode=$1
if [ "$mode" = stage ]; then
  build=$2 stage=$3 cmake=${4:-cmake}
else
  stage=$2
fi
usr=$stage/usr

case $mode in
stage)
  rm -rf "$stage"
  DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >/dev/null
  ;;

tree)
  for f in bin/quillmark bin/quillmark-cli lib/quillmark/libGlyphDepot.so lib/quillmark/libDialogPack.so \
    share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml share/mime/packages/quillmark.xml \
    share/icons/hicolor/scalable/apps/$app_id.svg share/icons/hicolor/48x48/apps/$app_id.png \
    share/icons/hicolor/256x256/apps/$app_id.png share/man/man1/quillmark-cli.1 share/doc/quillmark/copyright; do
    [ -f "$usr/$f" ] || fail "$f is not installed"
  done
  [ -x "$usr/bin/quillmark" ] && [ -x "$usr/bin/quillmark-cli" ] || fail "the programs are not executable"
  # Nothing beside the prefix, no library in the public folder, no cache a package's trigger makes.
  [ "$(ls -A "$stage")" = usr ] || fail "written outside the prefix: $(ls -A "$stage")"
  [ -z "$(find "$usr/lib" -maxdepth 1 -type f)" ] || fail "libraries in the public folder"
  [ ! -e "$usr/share/mime/mime.cache" ] && [ ! -e "$usr/share/icons/hicolor/icon-theme.cache" ] ||
    fail "caches installed"
  # The PNGs are as large as their folders say: width and height from the IHDR chunk.
  for size in 48 256; do
    read -r -a ihdr <<<"$(od -An -tu1 -j16 -N8 "$usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")"
    w=$(((ihdr[2] << 8) + ihdr[3]))
    h=$(((ihdr[6] << 8) + ihdr[7]))
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "the ${size}x$size icon is ${w}x$h"
  done
  # The window program reaches its picture component in the private folder through its run
  # path, wherever the tree stands; the dialog component is looked for beside it (checked above).
  found=$(ldd "$usr/bin/quillmark" | sed -n 's/.*libGlyphDepot\.so => \(.*\) (0x.*/\1/p')
  [ -n "$found" ] && [ "$(realpath "$found")" = "$(realpath "$usr/lib/quillmark/libGlyphDepot.so")" ] ||
    fail "quillmark does not find its picture component: ${found:-not found}"
  "$usr/bin/quillmark-cli" --help | grep -q "quillmark-cli render" || fail "quillmark-cli does not run"
  # Each command of the tool has its place in the manual.
  for command in $("$usr/bin/quillmark-cli" --help | sed -n 's/^  quillmark-cli \([a-z]*\) .*/\1/p'); do
    grep -q "^\.B $command " "$usr/share/man/man1/quillmark-cli.1" || fail "the manual lacks $command"
  done
  # The launcher names the icon and the metainfo names the launcher that are installed.
  grep -qx "Icon=$app_id" "$usr/share/applications/$app_id.desktop" || fail "the launcher names another icon"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "$usr/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo names another launcher"
  ;;

desktop)
  need desktop-file-validate
  need appstreamcli
  desktop-file-validate "$usr/share/applications/$app_id.desktop"
  appstreamcli validate --no-net "$usr/share/metainfo/$app_id.metainfo.xml"
  ;;

mime)
  need update-mime-database
  need gio
  source=$3
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  mkdir -p "$work/data/mime/packages" "$work/files"
  cp "$usr/share/mime/packages/quillmark.xml" "$work/data/mime/packages/"
  export XDG_DATA_HOME=$work/data XDG_DATA_DIRS=$work/data
  update-mime-database "$work/data/mime"
  f=$work/files
  # A document as the installed tool writes it, documents of every version read, library items.
  "$usr/bin/quillmark-cli" build "$source/examples/gallery.json" -o "$f/gallery.dyz" >/dev/null
  cp "$source/fuzz/corpus/document/v5.dyz" "$f/old.DYZ"
  cp "$source/fuzz/corpus/libraryitem/star.yzl" "$f/star.YZL"
  cp "$f/gallery.dyz" "$f/v8"
  cp "$source/fuzz/corpus/document/v5.dyz" "$f/v5"
  cp "$source/fuzz/corpus/document/v7.dyz" "$f/v7"
  cp "$f/v7" "$f/v6"
  printf '\x00\x00\xc0\x40' | dd of="$f/v6" conv=notrunc status=none
  cp "$source/fuzz/corpus/libraryitem/star.yzl" "$f/star"
  cp "$source/fuzz/corpus/libraryitem/emblem.yzl" "$f/emblem"
  # A float version a document never has, and a file of another kind.
  cp "$f/v7" "$f/v4"
  printf '\x00\x00\x80\x40' | dd of="$f/v4" conv=notrunc status=none
  cp "$source/README.md" "$f/readme"
  expect() {
    local type
    type=$(gio info -a standard::content-type "$f/$1" | sed -n 's/^ *standard::content-type: //p')
    [ "$type" = "$2" ] || fail "$1 is $type, not $2"
  }
  document=application/x-quillmark-document
  item=application/x-quillmark-library-item
  for name in gallery.dyz old.DYZ v8 v7 v6 v5; do expect "$name" $document; done
  for name in star.YZL star emblem; do expect "$name" $item; done
  for name in v4 readme; do
    type=$(gio info -a standard::content-type "$f/$name" | sed -n 's/^ *standard::content-type: //p')
    case $type in application/x-quillmark-*) fail "$name is taken for $type" ;; esac
  done
  ;;

*)
  fail "unknown check $mode"
  ;;
esac
