# The ThreadSanitizer tree, shared by scripts/test and scripts/load: source
# it with $root set to the checkout. tsan_configure DIR configures DIR (a
# debug build with -O1, warnings as errors, no introspection data and no
# command-line client, which the threaded tests do not need) and exports the
# TSAN_OPTIONS the runs use.
tsan_configure () {
  local build=$1
  shift
  cmake -S "$root" -B "$build" \
    -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_C_FLAGS_DEBUG="-g -O1" \
    -DCMAKE_C_FLAGS="-fsanitize=thread" \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
    -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread" \
    -DPROVIDERS_WERROR=ON \
    -DPROVIDERS_INTROSPECTION=OFF \
    -DPROVIDERS_BUILD_TOOLS=OFF \
    "$@"
  export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$root/tests/tsan.supp"
}
