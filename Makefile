# Thin wrapper over CMake. `make run` and `make test` do all the set-up.
BUILD      ?= build
BUILD_SAN  ?= build-san
JOBS       ?= $(shell nproc)
# WERROR=ON turns every compiler warning into an error (CI sets it).
WERROR     ?= OFF
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARO_WERROR=$(WERROR)

PREFIX     ?= /usr/local

.PHONY: all deps configure build run run-buttons test test-sanitize bench install package artwork artwork-sheet clean \
        monkey fuzz leak-check

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
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON -DKELVARO_WERROR=$(WERROR)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ctest --output-on-failure -j $(JOBS) -LE e2e

# The seeded monkey for any length: make monkey EVENTS=N SEED=S (prints the seed of a failure).
EVENTS ?= 100000
SEED   ?= 1
monkey: configure
	cmake --build $(BUILD) -j $(JOBS) --target kelvaro_monkey
	$(BUILD)/tests/monkey/kelvaro_monkey $(EVENTS) $(SEED)

# libFuzzer targets (clang, ASan+UBSan), each run for SECONDS from tests/fuzz/corpus/<name>.
# New inputs go to build-fuzz/corpus/; the kept corpus changes only by hand.
SECONDS   ?= 30
BUILD_FUZZ = build-fuzz
FUZZERS    = settings formdata png
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVARO_FUZZ=ON -DKELVARO_WERROR=$(WERROR)
	cmake --build $(BUILD_FUZZ) -j $(JOBS) $(addprefix --target fuzz_,$(FUZZERS))
	@for f in $(FUZZERS); do \
	  mkdir -p $(BUILD_FUZZ)/corpus/$$f $(BUILD_FUZZ)/findings/$$f; \
	  echo "fuzz: $$f for $(SECONDS) s"; \
	  $(BUILD_FUZZ)/tests/fuzz/fuzz_$$f -max_total_time=$(SECONDS) -rss_limit_mb=1024 -max_len=16384 \
	    -artifact_prefix=$(BUILD_FUZZ)/findings/$$f/ -print_final_stats=1 \
	    $(BUILD_FUZZ)/corpus/$$f tests/fuzz/corpus/$$f > $(BUILD_FUZZ)/fuzz_$$f.log 2>&1; rc=$$?; \
	  grep -E 'number_of_executed_units|ERROR|SUMMARY|Test unit written' $(BUILD_FUZZ)/fuzz_$$f.log; \
	  test $$rc -eq 0 || exit 1; \
	done

# The three ways out (SIGTERM, Alt+F4, the exit question) under ASan's leak check.
leak-check: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DKELVARO_SANITIZE=ON
	cmake --build $(BUILD_SAN) -j $(JOBS) --target kelvaro
	/usr/bin/python3 tests/e2e/test_leaks.py --program $(BUILD_SAN)/kelvaro  # Debian's, with PIL

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
	rm -rf $(BUILD) $(BUILD_SAN) build-bench $(BUILD_FUZZ)
