# What ./solve, ./run-tests, ./fuzz, .ci/run and bench/'s scripts share; they source it
# after setting $top to the repository's folder. Never run alone.

# The five programs, read from CMakeLists.txt, the one place that lists them.
read -r -a programs <<<"$(sed -n -E 's/^set\(SOLVERS_PROGRAMS (.*)\)$/\1/p' "$top/CMakeLists.txt")"

# isProgram NAME: whether NAME is one of the five.
isProgram() {
  [[ " ${programs[*]} " == *" $1 "* ]]
}

# configure CALLER PRESET [CMAKE ARGUMENT...]: configures PRESET into its build folder,
# with Ninja when it is installed (for a new folder only: an existing one keeps its own
# generator). Quiet; on failure the log is shown with one line saying so, and the script
# ends with status 1.
configure() {
  local caller=$1 preset=$2 folder generator=()
  shift 2
  folder=$(buildFolder "$preset") || exit 1
  command -v ninja >/dev/null 2>&1 && [ ! -f "$folder/CMakeCache.txt" ] && generator=(-G Ninja)
  mkdir -p "$folder"
  if ! (cd "$top" && cmake --preset "$preset" "${generator[@]}" "$@") >"$folder/configure.log" 2>&1; then
    cat "$folder/configure.log" >&2
    echo "$caller: configuring the $preset build failed" >&2
    exit 1
  fi
}

# buildQuietly CALLER PRESET [ARGUMENT...]: builds PRESET (cmake --build --preset PRESET
# ARGUMENT...) with a log in its build folder; quiet, and on failure the log is shown with
# one line saying so, and the script ends with status 1.
buildQuietly() {
  local caller=$1 preset=$2 log
  shift 2
  log="$(buildFolder "$preset")/$caller-build.log" || exit 1
  if ! (cd "$top" && cmake --build --preset "$preset" -j "$(nproc)" "$@") >"$log" 2>&1; then
    cat "$log" >&2
    echo "$caller: building the $preset build failed" >&2
    exit 1
  fi
}

# buildFolder PRESET: the folder the configure preset PRESET builds into, read from
# CMakePresets.json, which alone names it. It takes CMake: call it after ./needs.
buildFolder() {
  cmake -D "preset=$1" -P "$top/cmake/preset-folder.cmake"
}

# packageName PRESET: the archive CPack makes for a configured package preset, with the
# version and system that CMake gave it.
packageName() {
  local config
  config="$(buildFolder "$1")/CPackConfig.cmake" || exit 1
  local name generator
  name=$(sed -n -E 's/^set\(CPACK_PACKAGE_FILE_NAME "(.*)"\)$/\1/p' "$config")
  generator=$(sed -n -E 's/^set\(CPACK_GENERATOR "(.*)"\)$/\1/p' "$config")
  case $generator in
    ZIP) echo "$name.zip" ;;
    *) echo "$name.tar.gz" ;;
  esac
}

# Wine quiet. Its prefix is set by startWine, never one from the caller's environment, so
# that stopWine ends no server but the scripts' own.
export WINEDEBUG=-all
unset WINEPREFIX

# startWine CALLER: sets Wine's prefix (exported), for the tests and the archive checks
# alike, to wine/ in the windows build's folder; keeps one wineserver up until stopWine
# (a program started just as the last one's server ends can fail to connect), makes the
# prefix and starts Wine's services, writing to a log: Wine's first start prints to
# standard error, and a service started by a test's program would hold that program's
# standard error open.
startWine() {
  WINEPREFIX="$(buildFolder windows)/wine" || exit 1
  export WINEPREFIX
  mkdir -p "$WINEPREFIX"
  wineserver --persistent
  if ! wineboot --init >"$WINEPREFIX.log" 2>&1; then
    cat "$WINEPREFIX.log" >&2
    echo "$1: Wine cannot make its prefix in $WINEPREFIX" >&2
    exit 1
  fi
}

# stopWine: ends the wineserver that startWine kept up, if it ran.
stopWine() {
  [ -z "${WINEPREFIX:-}" ] || wineserver --kill
}
