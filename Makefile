# The two entry points of the README: `make run` and `make test`.
BUILD ?= build
ARGS ?=
GUI ?= ON

.PHONY: deps configure build run test package bench fuzz format clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DTESSARYN_GUI=$(GUI) > /dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	@if [ -x $(BUILD)/AppDir/tessaryn ]; then cd $(BUILD)/AppDir && ./tessaryn $(ARGS); \
	else $(BUILD)/AppDir/tessaryn-cli --help; fi

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j 2

# The Debian package, in $(BUILD)/tessaryn_VERSION_ARCH.deb.
package: build
	@cmake --build $(BUILD) --target package

bench: build
	@$(BUILD)/bench/tessaryn_bench

# Runs each fuzz target for FUZZ_SECONDS (default 180) on its own corpus under fuzz-corpus/.
FUZZ_SECONDS ?= 180
fuzz: deps
	@scripts/run-fuzzers $(FUZZ_SECONDS)

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
