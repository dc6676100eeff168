# Thin wrappers around CMake. `make run` plays, `make test` runs every test
# headless, `make check` runs what CI adds: sanitizer builds and fuzzing.
BUILD ?= build
JOBS ?= 2
PREFIX ?= /usr/local
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DQUORVANE_WERROR=ON
endif

# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build run test check fuzz bench install package clean

all: build

deps:
	bash scripts/install-deps

configure:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/tolvenix

# The package's own test runs with `make package`, once there is a package.
test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 120 -LE package

# The program folder goes to $(PREFIX)/lib/tolvenix, a link to the program to
# $(PREFIX)/games; DESTDIR stages the whole tree elsewhere.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --strip

# $(BUILD)/tolvenix_<version>_<architecture>.deb, then its test.
package: build
	cd $(BUILD) && cpack -G DEB
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 120 -L package

check: deps
	JOBS=$(JOBS) bash scripts/check

fuzz: deps
	JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/check fuzz

bench: build
	@bash bench/bench_table.sh $(BUILD)

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
