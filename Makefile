# Thin wrappers around CMake. `make run` plays, `make test` runs every test
# headless, `make check` runs what CI adds: sanitizer builds and fuzzing.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DQUORVANE_WERROR=ON
endif

# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 300

.PHONY: all deps configure build run test check fuzz bench clean

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

check: deps
	JOBS=$(JOBS) bash scripts/check

fuzz: deps
	JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/check fuzz

bench: build
	@for b in $(BUILD)/bench/*; do [ -f "$$b" ] && [ -x "$$b" ] || continue; echo "== $$(basename $$b)"; "$$b" || exit 1; done

clean:
	rm -rf $(BUILD) build-asan build-tsan build-fuzz
