# make run: install what is missing, build the program, start Velmoor.
# make test: install what is missing, build, run every test, build and test the package.
WERROR ?= OFF
PREFIX ?= /usr/local
CMAKE_FLAGS := -DVELMOOR_WERROR=$(WERROR)

.PHONY: all deps build release run install package test test-package test-asan bench screenshots \
        check-format clean
all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset dev $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset dev

# The program alone, optimised: no tests, no benchmarks.
release: deps
	@cmake --preset release $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset release

run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display to show Velmoor on; run it from a desktop session, or on a virtual one: xvfb-run -a make run"; \
	  exit 1; \
	fi
	@$(MAKE) --no-print-directory release
	@./build/release/velmoor

install: release
	@cmake --build --preset release-all
	@cmake --install build/release --prefix "$(PREFIX)"

package: release
	@cmake --build --preset release-all
	@cd build/release && cpack -G DEB >/dev/null
	@ls dist/velmoor_*.deb

test: build
	@ctest --preset dev
	@$(MAKE) --no-print-directory test-package

test-package: package
	@/usr/bin/python3 -W ignore tests/package/test_package.py

test-asan: deps
	@cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

bench: build
	@./build/dev/bench/bench_wait

screenshots: build
	@VELMOOR_BINARY=build/dev/velmoor /usr/bin/python3 -W ignore tests/e2e/screenshots.py build/dev/velmoor docs/screenshots

check-format: deps
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build dist
