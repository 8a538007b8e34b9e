#!/bin/sh
# Tests of an installed copy of the library, in a prefix of its own.
#
#   installed.sh install BUILD PREFIX [CFLAGS...]  install BUILD into a fresh
#       PREFIX, check the files, then build and run install-check.c with the
#       flags pkg-config gives (CFLAGS: extra flags such as the sanitizers')
#   installed.sh vala PREFIX PROGRAM.vala [VALAC ARGS...]  compile the
#       program against the installed .vapi (and those VALAC ARGS name with
#       --pkg) and run it
#   installed.sh python PREFIX PYTHON SCRIPT [ARGS...]  run a Python script
#       that finds the library through the installed typelibs and the
#       installed override module
#
# The prefix's pkg-config directory is the only thing added to any search
# path; the source tree is never named to a compiler. PROVIDERS_PRELOAD, when
# set, is preloaded into the Python interpreter (a sanitizer runtime).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
fail () { echo "FAIL: $*" >&2; exit 1; }

# Points pkg-config at PREFIX and sets libdir from what it answers.
use_prefix () {
  prefix=$1
  pc=$(find "$prefix" -name libproviders.pc -path '*/pkgconfig/*' | head -n 1)
  [ -n "$pc" ] || fail "no libproviders.pc under $prefix"
  PKG_CONFIG_PATH=$(dirname "$pc")
  export PKG_CONFIG_PATH
  unset C_INCLUDE_PATH CPATH LIBRARY_PATH GI_TYPELIB_PATH LD_LIBRARY_PATH || true
  libdir=$(pkg-config --variable=libdir libproviders)
  [ "${libdir#"$prefix"/}" != "$libdir" ] || fail "libdir $libdir is not under $prefix"
}

command=$1
shift
case $command in
install)
  build=$1 prefix=$2
  shift 2
  rm -rf "$prefix"
  mkdir -p "$prefix"
  prefix=$(cd "$prefix" && pwd)
  cmake --install "$build" --prefix "$prefix" > "$prefix/install.log"
  use_prefix "$prefix"

  version=$(pkg-config --modversion libproviders)
  major=${version%%.*}
  [ "$(readlink "$libdir/libproviders.so")" = "libproviders.so.$major" ] || fail "libproviders.so link"
  [ "$(readlink "$libdir/libproviders.so.$major")" = "libproviders.so.$version" ] || fail "soname link"
  readelf -d "$libdir/libproviders.so.$version" | grep -q "SONAME.*\[libproviders.so.$major\]" \
    || fail "SONAME is not libproviders.so.$major"
  for f in "$prefix/include/libproviders/providers.h" \
           "$libdir/girepository-1.0/ProvidersContracts-$major."*.typelib \
           "$libdir/girepository-1.0/ProvidersSupports-$major."*.typelib \
           "$prefix/share/gir-1.0/ProvidersContracts-$major."*.gir \
           "$prefix/share/vala/vapi/libproviders.vapi" \
           "$prefix"/lib/python3*/dist-packages/gi/overrides/ProvidersContracts.py; do
    [ -f "$f" ] || fail "not installed: $f"
  done

  work=$prefix/../install-check
  rm -rf "$work" && mkdir -p "$work"
  # shellcheck disable=SC2046 # pkg-config's answer is a list of words
  ${CC:-cc} "$@" -o "$work/install-check" "$here/install-check.c" $(pkg-config --cflags --libs libproviders)
  LD_LIBRARY_PATH=$libdir "$work/install-check" > "$work/output"
  cat "$work/output"
  grep -qx "library: $libdir/libproviders.so.$major" "$work/output" || fail "did not run on the installed library"
  grep -qx "TorvanixProvidersContractsValueInt32 => -42" "$work/output" || fail "unexpected output"

  # Each engine library installed beside it: its module requires this very
  # libproviders, its files are in place, and a C program given only what
  # pkg-config answers includes its header and loads it.
  for pc_file in "$PKG_CONFIG_PATH"/libproviders-*.pc; do
    [ -e "$pc_file" ] || continue
    module=$(basename "$pc_file" .pc)
    engine=${module#libproviders-}
    [ "$(pkg-config --modversion "$module")" = "$version" ] || fail "$module is not version $version"
    pkg-config --print-requires "$module" | grep -qx "libproviders = $version" \
      || fail "$module does not require libproviders $version"
    for f in "$prefix/include/libproviders/$engine.h" "$libdir/$module.so.$major" \
             "$prefix/share/vala/vapi/$module.vapi"; do
      [ -f "$f" ] || fail "not installed: $f"
    done
    gir=$(grep -l "<package name=\"$module\"/>" "$prefix"/share/gir-1.0/*.gir | head -n 1)
    [ -n "$gir" ] || fail "no GIR of $module"
    typelib=$libdir/girepository-1.0/$(basename "$gir" .gir).typelib
    [ -f "$typelib" ] || fail "not installed: $typelib"
    printf '#include <libproviders/%s.h>\nint main (void) { return 0; }\n' "$engine" > "$work/$engine-check.c"
    # shellcheck disable=SC2046 # pkg-config's answer is a list of words
    ${CC:-cc} "$@" -Wl,--no-as-needed -o "$work/$engine-check" "$work/$engine-check.c" \
      $(pkg-config --cflags --libs "$module")
    LD_LIBRARY_PATH=$libdir "$work/$engine-check" || fail "$module does not load"
    echo "engine library: $module"
  done
  ;;
vala)
  use_prefix "$1"
  program=$2
  shift 2
  # A folder of its own: the programs of several tests may build at once.
  work=$(mktemp -d "$prefix/../vala-check.XXXXXX")
  trap 'rm -rf "$work"' EXIT
  valac --vapidir="$prefix/share/vala/vapi" --pkg=libproviders -d "$work" \
    -o vala-check "$@" "$program"
  LD_LIBRARY_PATH=$libdir "$work/vala-check"
  ;;
python)
  use_prefix "$1"
  python=$2
  shift 2
  overrides=$(find "$prefix" -path '*/dist-packages/gi/overrides/ProvidersContracts.py' | head -n 1)
  [ -n "$overrides" ] || fail "no override module under $prefix"
  PYTHONPATH=${overrides%/gi/overrides/*} GI_TYPELIB_PATH=$libdir/girepository-1.0 LD_LIBRARY_PATH=$libdir \
    LD_PRELOAD=${PROVIDERS_PRELOAD:-} "$python" "$@"
  ;;
*)
  fail "unknown command $command"
  ;;
esac
