# Installs the Debian packages a command needs, and only those that are
# missing, so that a machine that has them all goes on at once.
# Usage: ensure_packages PACKAGE...
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}

# The word lists lexavia-corpus's list of foreign words is made of at build
# time (tools/corpus/foreign_words.py): English, French, Spanish, Italian and
# German, and the Portuguese ones whose words it leaves out.
CORPUS_WORD_LIST_PACKAGES=(wamerican wbritish wfrench wspanish witalian wngerman wbrazilian wportuguese)

# What building Lexavia and its tests needs.
BUILD_PACKAGES=(cmake g++ make libgtest-dev libbenchmark-dev libicu-dev python3 qt6-base-dev fonts-wine valgrind
  "${CORPUS_WORD_LIST_PACKAGES[@]}")

# What the tests need beyond the build: a browser that runs headless for
# web pages, and GNU parallel for lexavia-corpus's recipe for many machines.
TEST_PACKAGES=(chromium parallel)

# What the tests of the windows on a desktop need: a virtual display and a
# window manager that frames windows.
WINDOW_MANAGER_PACKAGES=(xvfb jwm x11-utils)

# What the Windows build needs: the cross compiler with its binary tools,
# GoogleTest's sources for its tests, lexavia-corpus's word lists, and for
# the installer NSIS and the tools that draw the program's icon from its SVG.
WINDOWS_BUILD_PACKAGES=(cmake make python3 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest
  "${CORPUS_WORD_LIST_PACKAGES[@]}"
  nsis librsvg2-bin icoutils)

# What running Windows programs needs: Wine with its fonts, and a virtual
# display for windows.
WINE_PACKAGES=(wine wine64 fonts-wine xvfb)

# What building and checking the Debian package needs.
PACKAGE_TOOLS=(dpkg-dev lintian appstream desktop-file-utils)
