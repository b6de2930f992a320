# Entry points; CMake presets do the real work (see CMakePresets.json).
.PHONY: deps build run test test-dev test-asan check-format package bench format clean

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

# Everything CI checks: the formatting, the debug build's tests, then the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test: check-format test-dev test-asan

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
