# make run   builds orvanta.exe and starts it under Wine (a screenshot is saved when headless)
# make test  builds both presets and runs every test: native, then under Wine
# make bench runs the benchmarks
# Every target installs the packages it needs first (scripts/install-deps).

JOBS ?= $(shell nproc)

.PHONY: all deps native win32 test test-native test-win32 run bench release clean

all: native win32

deps:
	@scripts/install-deps

native: deps
	cmake --preset native >/dev/null
	cmake --build --preset native -j $(JOBS)

win32: deps
	cmake --preset win32 >/dev/null
	cmake --build --preset win32 -j $(JOBS)

test-native: native
	ctest --preset native -j $(JOBS)

test-win32: win32
	scripts/wine-session build/win32 ctest --preset win32

test: test-native test-win32

run: win32
	scripts/run-clock build/win32

bench: deps
	scripts/bench

release: win32
	cmake --build --preset win32 --target release

clean:
	rm -rf build
