# The two commands of a fresh set-up: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOLEN_WERROR=ON

.PHONY: all deps configure build test run bench bench-startup screenshot clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	./$(BUILD)/app/marvolen

bench: build
	./$(BUILD)/bench/calc_bench

bench-startup: build
	bash bench/startup.sh $(BUILD)

screenshot: build
	bash scripts/screenshot.sh docs/screenshot.png $(BUILD)

clean:
	rm -rf $(BUILD)
