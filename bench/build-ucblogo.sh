#!/usr/bin/env bash
# Builds UCBLogo 6.2.5 (text-only) outside this repository, as a peer for bench/run.sh.
#
#   bench/build-ucblogo.sh SOURCE [BUILD_DIR]
#
# SOURCE is a checkout of https://github.com/jrincayc/ucblogo-code that you provide, either a work
# tree or a git directory (bare clone or mirror). From a git directory the tree at $UCBLOGO_REF
# (default: the tag version_6.2.5 when it exists, else HEAD) is extracted. Nothing is fetched from
# the network. The build goes to BUILD_DIR (default /tmp/ucblogo-build):
#   BUILD_DIR/src/ucblogo      the interpreter
#   BUILD_DIR/src/logolib      its library (run as LOGOLIB=BUILD_DIR/src/logolib ucblogo FILE)
#
# Needs (Debian): gcc g++ make autoconf automake autoconf-archive libncurses-dev.
set -euo pipefail

if [[ $# -lt 1 ]]; then
  sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
fi
source_path=$(realpath "$1")
build_dir=${2:-/tmp/ucblogo-build}
work="$build_dir/src"

case "$(realpath -m "$build_dir")/" in
  "$(realpath "$(dirname "$0")/..")"/*) echo "refusing to build inside the repository" >&2; exit 2 ;;
esac

rm -rf "$work"
mkdir -p "$work"

if [[ -f "$source_path/configure.ac" ]]; then
  # A work tree: copy it (the build writes generated files into its source folder).
  cp -a "$source_path/." "$work/"
  rm -rf "$work/.git"
elif git --git-dir="$source_path" rev-parse --git-dir >/dev/null 2>&1; then
  ref=${UCBLOGO_REF:-}
  if [[ -z $ref ]]; then
    if git --git-dir="$source_path" rev-parse -q --verify 'refs/tags/version_6.2.5' >/dev/null; then
      ref=version_6.2.5
    else
      ref=HEAD
    fi
  fi
  echo "extracting $ref from $source_path"
  git --git-dir="$source_path" archive --format=tar "$ref" | tar -x -C "$work"
else
  echo "$source_path is neither a ucblogo-code work tree nor a git directory" >&2
  exit 2
fi

cd "$work"
grep -m1 AC_INIT configure.ac
if [[ ! -x configure ]]; then
  autoreconf --install >autoreconf.log 2>&1 || { cat autoreconf.log >&2; exit 1; }
fi
./configure --disable-wx --disable-docs >configure.log 2>&1 || { tail -30 configure.log >&2; exit 1; }
make -j"$(nproc)" ucblogo >make.log 2>&1 || { tail -30 make.log >&2; exit 1; }

printf 'print 3 + 4\nbye\n' >"$build_dir/smoke.logo"
out=$(LOGOLIB="$work/logolib" "$work/ucblogo" "$build_dir/smoke.logo" </dev/null)
if [[ $out != 7 ]]; then
  echo "smoke test failed: got '$out'" >&2
  exit 1
fi
echo "built $work/ucblogo (run with LOGOLIB=$work/logolib)"
