# Build, test and run Vexoscope. `make test` is the whole set-up on a fresh
# Debian machine: it installs what is missing, builds both trees and runs
# every test, native and under Wine.
BUILD      := build
NATIVE     := $(BUILD)/native
WINDOWS    := $(BUILD)/windows
JOBS       ?= $(shell nproc)
CMAKE_OPTS := $(if $(filter true,$(CI)),-DVEXO_WARNINGS_AS_ERRORS=ON,)

.PHONY: all build native windows test test-native test-windows bench run bootstrap clean

all: build

bootstrap:
	@tools/bootstrap

$(NATIVE)/CMakeCache.txt:
	cmake -S . -B $(NATIVE) $(CMAKE_OPTS)

$(WINDOWS)/CMakeCache.txt:
	cmake -S . -B $(WINDOWS) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(CMAKE_OPTS)

native: $(NATIVE)/CMakeCache.txt
	cmake --build $(NATIVE) -j $(JOBS)

windows: $(WINDOWS)/CMakeCache.txt
	cmake --build $(WINDOWS) -j $(JOBS)

build: native windows

test: bootstrap
	$(MAKE) build
	$(MAKE) test-native test-windows

test-native:
	cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

# Under Wine the tests run one at a time.
test-windows:
	cd $(WINDOWS) && ctest --output-on-failure -j1

bench: native
	$(NATIVE)/bench/compose_bench --benchmark_out=$(BUILD)/bench.json --benchmark_out_format=json

run: bootstrap
	$(MAKE) build
	@tools/run-vexoscope $(WINDOWS) $(BUILD)/screenshot.png

clean:
	rm -rf $(BUILD)
