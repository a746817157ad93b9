# Convenience targets around the CMake presets; CMake remains the build.
.PHONY: all build run test screenshot package asan fuzz format format-check clean

FUZZ_SECONDS ?= 60

all: build

# Configures and builds the default preset; the targets below first install
# what they need.
build:
	cmake --preset default
	cmake --build --preset default

run:
	./dev run

test:
	./dev test

asan:
	tools/install-deps ci
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

fuzz:
	tools/install-deps ci
	cmake --preset fuzz
	cmake --build --preset fuzz
	mkdir -p build/fuzz/corpus
	build/fuzz/fuzz/fuzz_projection_fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    build/fuzz/corpus fuzz/corpus

package:
	tools/install-deps ci
	$(MAKE) --no-print-directory build
	cd build/default && cpack

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

format-check:
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build

# Refreshes the README's picture of the window from the window tests' grab.
screenshot:
	$(MAKE) --no-print-directory test
	cp build/default/screenshots/form1-scale1.png docs/form1.png
