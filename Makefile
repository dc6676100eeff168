# Thin wrappers around CMake. `make run` plays, `make test` runs every test headless.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DQUORVANE_WERROR=ON
endif

.PHONY: all deps configure build run test bench clean

all: build

deps:
	bash scripts/install-deps

configure:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/tolvenix

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 120

bench: build
	@bash bench/bench_table.sh $(BUILD)

clean:
	rm -rf $(BUILD)
