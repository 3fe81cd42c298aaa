# make run   builds orvanta.exe and starts it under Wine (a screenshot is saved when headless)
# make test  builds both presets and runs every test: native, then under Wine
# make bench runs the benchmarks
# make fuzz  runs each fuzz target for FUZZ_SECONDS (default 60): make fuzz FUZZ_SECONDS=600
# Every target installs the packages it needs first (scripts/install-deps).

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: all deps native win32 test test-native test-win32 run bench fuzz release clean

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

# Not part of `make test`: a fuzz run takes minutes and needs clang.
fuzz:
	@scripts/install-deps fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/fuzz build/fuzz $(FUZZ_SECONDS)

release: win32
	cmake --build --preset win32 --target release

clean:
	rm -rf build
