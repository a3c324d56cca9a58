# The two commands of a fresh set-up: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
SECONDS ?= 30
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMARVOLEN_WERROR=ON
PACKAGE_BUILD = build-package
SANITIZE_BUILD = build-sanitize
# Any sanitizer report ends the run.
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
                UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

.PHONY: all deps configure build test unit-test test-sanitize lint fuzz package package-test \
        test-windows run bench bench-startup screenshot clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Everything a change must pass: the suites, the same under sanitizers, the lint, a
# fuzzing smoke run, and the Debian package installed, started and removed.
test: unit-test test-sanitize lint fuzz package-test

unit-test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DMARVOLEN_SANITIZE=ON -DMARVOLEN_BUILD_BENCH=OFF \
	  -DMARVOLEN_WERROR=ON
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

lint: build
	bash scripts/lint.sh $(BUILD)

fuzz: deps
	bash scripts/fuzz.sh $(SECONDS)

package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DMARVOLEN_BUILD_TESTS=OFF -DMARVOLEN_BUILD_BENCH=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	cd $(PACKAGE_BUILD) && cpack -G DEB

package-test: package
	bash scripts/test-package.sh $(PACKAGE_BUILD)/marvolen_1.00_$(shell dpkg --print-architecture).deb

test-windows: deps
	bash scripts/test-windows.sh

run: build
	./$(BUILD)/app/marvolen

bench: build
	./$(BUILD)/bench/calc_bench

bench-startup: build
	bash bench/startup.sh $(BUILD)

screenshot: build
	bash scripts/screenshot.sh docs/screenshot.png $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(PACKAGE_BUILD) build-fuzz build-windows
