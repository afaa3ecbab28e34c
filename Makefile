# Front door of the project. `make run` and `make test` are the two commands a
# newcomer needs; both install missing Debian packages first.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
# CI turns warnings into errors; locally they stay warnings unless asked.
WERROR ?= $(if $(CI),ON,OFF)

CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DVELLAMOR_WERROR=$(WERROR)

.PHONY: all deps configure build run test bench format clean

all: build

deps:
	@tools/install-deps.sh

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/bin/vellamor

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --timeout 300 -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do echo "== $$b"; $$b --benchmark_min_time=0.2; done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
