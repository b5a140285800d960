# make run: install what is missing, build the program, start Velmoor.
# make test: install what is missing, build, run every test, build and test the package.
WERROR ?= OFF
PREFIX ?= /usr/local
CMAKE_FLAGS := -DVELMOOR_WERROR=$(WERROR)
# The Windows build's presets take it from here.
export VELMOOR_WERROR := $(WERROR)
# Every date a build writes (the resources' file times, the package's and the zip's entries,
# the installer) is the last commit's, so that two builds of one commit are the same to the
# byte; without git, noon of the release date (cmake/source-date-epoch.cmake).
SOURCE_DATE_EPOCH ?= $(shell cmake -P cmake/source-date-epoch.cmake 2>/dev/null)
export SOURCE_DATE_EPOCH

.PHONY: all deps build program release run install package test test-package test-asan bench bench-windows screenshots \
        check translations fuzz windows-deps windows installer test-windows screenshots-windows clean
all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset dev $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset dev

# The program alone, optimised: no tests, no benchmarks.
program: deps
	@cmake --preset release $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset release

run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display to show Velmoor on; run it from a desktop session, or on a virtual one: xvfb-run -a make run"; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory program
	@./build/release/velmoor

install: program
	@cmake --build --preset release-all
	@cmake --install build/release --prefix "$(PREFIX)"

package: program
	@cmake --build --preset release-all
	@cd build/release && cpack -G DEB >/dev/null
	@ls dist/velmoor_*.deb

# The tests also run on GNOME Shell: installed before configuring, so that CMake finds it.
test:
	@bash scripts/install-deps.sh linux desktops
	@$(MAKE) --no-print-directory build
	@ctest --preset dev
	@$(MAKE) --no-print-directory test-package

test-package: package
	@/usr/bin/python3 -W ignore tests/package/test_package.py

test-asan: deps
	@cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

# Start-up against a bare Qt window, the wait seen from X, the draws: writes bench/RESULTS.md.
bench:
	@bash scripts/install-deps.sh bench
	@cmake --preset bench $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset bench
	@/usr/bin/python3 -W ignore bench/run.py build/bench 20

# velmoor.exe's start-up under Wine against a bare Qt window and a plain Win32 window, each
# beside the same Qt libraries: writes bench/RESULTS-windows.md.
bench-windows: windows
	@bash scripts/install-deps.sh bench
	@cmake --preset windows $(CMAKE_FLAGS) -DVELMOOR_BUILD_BENCH=ON >/dev/null
	@cmake --build --preset windows --target bare_qt empty_win32
	@rm -rf build/windows/bench-run && cp -r "$$(/usr/bin/python3 -c 'import json; print(json.load(open("build/windows/release.json"))["folder"])')" \
	  build/windows/bench-run
	@cp build/windows/bench/bare_qt.exe build/windows/bench/empty_win32.exe build/windows/bench-run/
	@/usr/bin/python3 -W ignore bench/windows.py build/windows/bench-run 30

screenshots: build
	@VELMOOR_BINARY=build/dev/velmoor /usr/bin/python3 -W ignore tests/e2e/screenshots.py build/dev/velmoor docs/screenshots

# The translations (translations/*.ts) brought up to date with the texts in the code, for
# translators to fill in.
translations: deps
	@cmake --preset dev $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset dev --target update_translations

# What the docs name, formatting, then static analysis of the C++ (on the dev build's compile
# commands, so Windows' own files, which the Windows build compiles with warnings as errors,
# are left out, and the fuzz targets, which only the fuzz build compiles) and the Python.
check: build
	@/usr/bin/python3 tests/docs/check_docs.py
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')
	@git ls-files 'src/*.cpp' 'tests/*.cpp' ':!:src/*_windows.cpp' ':!:tests/windows/*' ':!:tests/fuzz/*' | \
	  xargs -P2 -n4 clang-tidy -p build/dev --quiet 2>/dev/null
	@git ls-files '*.py' | xargs flake8

# Coverage-guided fuzzing of what the program reads from outside (tests/fuzz): clang with
# libFuzzer and the sanitizers; each target runs FUZZ_SECONDS from its corpus.
FUZZ_SECONDS ?= 180
fuzz:
	@bash scripts/install-deps.sh linux fuzz
	@cmake --preset fuzz $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset fuzz
	@bash scripts/fuzz.sh $(FUZZ_SECONDS)

# Windows: Qt for Windows is built once into the user's cache (about 35 minutes); then the
# Windows build's targets (cmake/windows-release.cmake) lay out the program with what it
# needs and zip it, wrap it in an installer, and make a release: those, the .deb, the source
# of the Qt shipped, the checksums; signed when the environment names the keys
# (docs/releases.md).
windows-deps:
	@bash scripts/install-deps.sh linux windows && bash scripts/build-qt-windows.sh >/dev/null

windows: windows-deps
	@cmake --workflow --preset windows-zip

installer: windows-deps
	@cmake --workflow --preset windows-installer

release: windows-deps
	@cmake --workflow --preset windows-release

test-windows: installer
	@bash scripts/test-windows.sh

screenshots-windows: installer
	@bash scripts/test-windows.sh --screenshots

clean:
	@rm -rf build dist
