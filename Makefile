# Entry points; CMake presets do the real work (see CMakePresets.json).
.PHONY: deps build run test test-dev test-asan test-fuzz fuzz check-format package bench format clean

deps:
	bash scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release

# Builds the game for players and starts it.
run: build
	./build/release/app/vantoro

test-dev: deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# Everything CI checks: the formatting, the debug build's tests, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, then a minute
# of fuzzing for each fuzz target.
test: check-format test-dev test-asan test-fuzz

# Each fuzz target for a minute, as CI runs them.
test-fuzz: deps
	bash scripts/fuzz 60

# Each fuzz target for as long as asked: make fuzz FUZZ_SECONDS=3600
FUZZ_SECONDS ?= 600
fuzz: deps
	bash scripts/fuzz $(FUZZ_SECONDS)

check-format: deps
	git ls-files '*.cpp' '*.hpp' | xargs clang-format --dry-run --Werror

# The .deb for players, in build/release/.
package: build
	cd build/release && cpack -G DEB

bench: build
	for b in build/release/bench/vantoro_bench_*; do $$b; done

format:
	git ls-files '*.cpp' '*.hpp' | xargs clang-format -i

clean:
	rm -rf build
