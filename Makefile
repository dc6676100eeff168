# Thin wrappers around CMake and its presets (CMakePresets.json); `make help`
# lists the targets. Two build folders: $(GAME_BUILD) holds the game alone
# (make run, make install), $(BUILD) the game with its tests and benchmarks.
BUILD ?= build
GAME_BUILD ?= build-game
JOBS ?= 2
PREFIX ?= /usr/local
CMAKE_FLAGS ?=
ifdef CI
CMAKE_FLAGS += -DQUORVANE_WERROR=ON
endif

# Seconds each fuzz target runs in `make fuzz`.
FUZZ_SECONDS ?= 300

CONFIGURE = bash scripts/configure
TEST_ENV = QT_QPA_PLATFORM=offscreen

.PHONY: all help configure build game run test check fuzz bench install uninstall package clean

all: build

help:
	@echo "make run        build the game alone (in $(GAME_BUILD)/) and play it"
	@echo "make test       build the game, its tests and benchmarks (in $(BUILD)/), run every test headless"
	@echo "make check      what CI adds: format check, sanitizer builds, short fuzz runs"
	@echo "make install    install the game under PREFIX (now $(PREFIX)); DESTDIR stages it elsewhere"
	@echo "make uninstall  remove what make install put under PREFIX"
	@echo "make package    build $(BUILD)/tolvenix_<version>_<arch>.deb and check it"
	@echo "make game       build the game alone without starting it"
	@echo "make build      build the game, its tests and benchmarks without running them"
	@echo "make bench      run the benchmarks and print their table (about eight minutes)"
	@echo "make fuzz       run each fuzz target for FUZZ_SECONDS (now $(FUZZ_SECONDS))"
	@echo "make clean      remove every build folder"

# Each configures only when its folder is new or its flags changed, and asks
# for the packages of its purpose only then (scripts/configure).
configure:
	@$(CONFIGURE) dev $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

game:
	@$(CONFIGURE) game $(GAME_BUILD) $(CMAKE_FLAGS)
	cmake --build $(GAME_BUILD) -j$(JOBS)

run: game
	$(GAME_BUILD)/bin/tolvenix

# The package's own test runs with `make package`, once there is a package.
test: build
	cd $(BUILD) && $(TEST_ENV) ctest --output-on-failure -j$(JOBS) --timeout 120 -LE package

# The program folder goes to $(PREFIX)/lib/tolvenix, a link to the program to
# $(PREFIX)/games under /usr and /usr/local, to $(PREFIX)/bin elsewhere (as
# ~/.local/bin). cmake --install records what it copied in the build folder;
# that record goes, so a root install leaves nothing of root's there.
install: game
	DESTDIR="$(DESTDIR)" cmake --install $(GAME_BUILD) --prefix "$(PREFIX)" --strip
	@rm -f $(GAME_BUILD)/install_manifest.txt
	@if [ -z "$(DESTDIR)" ] && [ -L "$(PREFIX)/bin/tolvenix" ]; then \
	  case ":$$PATH:" in *":$(PREFIX)/bin:"*) ;; \
	  *) echo "$(PREFIX)/bin is not on your PATH yet: it joins at your next login (Debian's ~/.profile adds ~/.local/bin when it exists). Until then run $(PREFIX)/bin/tolvenix." ;; \
	  esac; \
	fi

uninstall:
	@$(CONFIGURE) game $(GAME_BUILD) $(CMAKE_FLAGS)
	DESTDIR="$(DESTDIR)" cmake -DCMAKE_INSTALL_PREFIX="$(PREFIX)" -P $(GAME_BUILD)/packaging/uninstall.cmake

# $(BUILD)/tolvenix_<version>_<architecture>.deb, then its test.
package: build
	bash scripts/install-deps package
	cd $(BUILD) && cpack -G DEB
	cd $(BUILD) && $(TEST_ENV) ctest --output-on-failure --timeout 120 -L package

check:
	JOBS=$(JOBS) bash scripts/check

fuzz:
	JOBS=$(JOBS) FUZZ_SECONDS=$(FUZZ_SECONDS) bash scripts/check fuzz

bench: build
	@bash bench/bench_table.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(GAME_BUILD) build-asan build-tsan build-fuzz
