# make run: install what is missing, build, start Velmoor.  make test: the same, then every test.
WERROR ?= OFF
CMAKE_FLAGS := -DVELMOOR_WERROR=$(WERROR)

.PHONY: all deps build run test test-asan bench screenshots check-format clean
all: build

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake --preset dev $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset dev

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: no display to show Velmoor on; run it from a desktop session, or on a virtual one: xvfb-run -a make run"; \
	  exit 1; \
	fi
	@./build/dev/velmoor

test: build
	@ctest --preset dev

test-asan: deps
	@cmake --preset asan $(CMAKE_FLAGS) >/dev/null
	@cmake --build --preset asan
	@ctest --preset asan

bench: build
	@./build/dev/bench/bench_wait

screenshots: build
	@/usr/bin/python3 -W ignore tests/e2e/screenshots.py build/dev/velmoor docs/screenshots

check-format: deps
	@clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build
