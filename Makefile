# Thin wrapper over CMake. `make run` and `make test` do all the set-up.
BUILD      ?= build
BUILD_SAN  ?= build-san
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

PREFIX     ?= /usr/local

.PHONY: all deps configure build run run-buttons test test-sanitize bench install package artwork artwork-sheet clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_ARGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/kelvaro

# The button gallery: every style, shape and state of the skinned button.
run-buttons: build
	$(BUILD)/kelvaro-buttons

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Installs under $(PREFIX) (and $(DESTDIR), for staging).
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, kelvaro_<version>_<arch>.deb in $(BUILD).
package: build
	cd $(BUILD) && cpack -G DEB

# Tests once more with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ctest --output-on-failure -j $(JOBS) -LE e2e

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKELVARO_BENCH=ON
	cmake --build build-bench -j $(JOBS) --target kelvaro_bench
	build-bench/bench/kelvaro_bench

# Regenerates every picture and sound in assets/.
artwork:
	@scripts/install-deps
	python3 tools/make_artwork.py assets

artwork-sheet:
	@scripts/install-deps
	python3 tools/make_artwork.py --sheet artwork-sheet.png assets
	@echo "wrote artwork-sheet.png"

clean:
	rm -rf $(BUILD) $(BUILD_SAN) build-bench
