# Entry points; CMake presets do the real work (see CMakePresets.json).
.PHONY: deps build run test test-dev test-desktop test-asan test-fuzz fuzz check-format package bench format clean

deps:
	bash scripts/install-deps

build: deps
	cmake --preset release
	cmake --build --preset release

# Builds the game for players and starts it.
run: build
	./build/release/app/vantoro

# Every test in one debug tree, for working on the game: unit, scenario,
# window, install and package.
test-dev: deps
	cmake --preset dev
	cmake --build --preset dev
	ctest --preset dev

# The real programs under a virtual display, the artwork, the installed
# tree and the package, from a debug tree without the in-process tests.
test-desktop: deps
	cmake --preset desktop
	cmake --build --preset desktop
	ctest --preset desktop

# The unit and scenario tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, assertions on.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

# Everything CI checks, each part timed: the formatting, the desktop tests,
# the sanitizer tests and a minute of each fuzz target (scripts/check runs
# the desktop tests beside the others, as they mostly wait).
test: deps
	bash scripts/check

# Each fuzz target for a minute, as CI runs them.
test-fuzz: deps
	bash scripts/fuzz 60

# Each fuzz target for as long as asked: make fuzz FUZZ_SECONDS=3600
FUZZ_SECONDS ?= 600
fuzz: deps
	bash scripts/fuzz $(FUZZ_SECONDS)

# The C++ sources, one a line, handed to the command that follows: git's
# list in a checkout; in an unpacked release, which has no git, every .cpp
# and .hpp outside build/. Finding none is an error, not a pass.
with-sources = files=$$(if [ -e .git ]; then git ls-files -- '*.cpp' '*.hpp'; \
	else find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.hpp' \) -print; fi) && \
	[ -n "$$files" ] || { echo "make $@: found no C++ sources" >&2; exit 1; }; \
	printf '%s\n' "$$files" | xargs -d '\n'

check-format: deps
	@$(with-sources) clang-format --dry-run --Werror

# Two .deb files in build/release/: vantoro, the game for players, and
# vantoro-tools, the scripted driver and the rules lab.
package: build
	cd build/release && cpack -G DEB

bench: build
	for b in build/release/bench/vantoro_bench_*; do $$b; done

format:
	@$(with-sources) clang-format -i

clean:
	rm -rf build
