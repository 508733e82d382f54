# The two set-up commands: `make run` and `make test`. Each installs what is
# missing, configures and builds first.

BUILD_DIR ?= build
ASAN_BUILD_DIR ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_BUILD_TYPE ?= Debug

.PHONY: all deps configure build run test test-asan fuzz bench format clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD_DIR)/CMakeCache.txt: | deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(CMAKE_BUILD_TYPE)

configure: deps $(BUILD_DIR)/CMakeCache.txt

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

LIBRARIAN = $(BUILD_DIR)/src/tolmvesk_librarian_artefacts/$(CMAKE_BUILD_TYPE)/tolmvesk-librarian

# Starts the librarian on the built-in emulated synthesizer; leave out
# --virtual-synth to use the synthesizer on the computer's MIDI ports.
run: build
	$(LIBRARIAN) --virtual-synth

# The user interface's tests need a display: a virtual one when there is none.
XVFB = $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1600x1200x24")

test: build
	cd $(BUILD_DIR) && $(XVFB) ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DTOLMVESK_SANITIZE=ON
	cmake --build $(ASAN_BUILD_DIR) -j $(JOBS)
	cd $(ASAN_BUILD_DIR) && $(XVFB) ctest --output-on-failure -j $(JOBS)

# Runs every fuzz target for a bounded time on its corpus in tests/fuzz/.
fuzz: deps
	bash scripts/run-fuzzers.sh

# Speed measurements of an optimised build; they never run as part of the tests.
bench: deps
	bash scripts/run-benchmarks.sh build-release

format:
	find src tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR)
