# The two commands of the README: `make run` and `make test`.
# Both install whatever is missing first (Debian; apt-get through sudo when not root).

BUILD   ?= build
JOBS    ?= $(shell nproc)
XVFB    := xvfb-run -a -s "-screen 0 1920x1440x24"

.PHONY: run test deps native win64 win32 test-native test-win64 dist measure fuzz bench clean

run: deps win64
	WINEDEBUG=-all wine $(BUILD)/win64/halcyra.exe

test: deps native win64 win32 test-native test-win64

deps:
	@scripts/install-deps.sh

native:
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug -DHALCYRA_SANITIZE=ON
	cmake --build $(BUILD)/native -j $(JOBS)

win64:
	cmake -S . -B $(BUILD)/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake
	cmake --build $(BUILD)/win64 -j $(JOBS)

# 32-bit is compiled, not run: there is no 32-bit Wine here.
win32:
	cmake -S . -B $(BUILD)/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DHALCYRA_TESTS=OFF
	cmake --build $(BUILD)/win32 -j $(JOBS) --target halcyra

test-native: native
	ctest --test-dir $(BUILD)/native --output-on-failure -j $(JOBS)

test-win64: win64
	$(XVFB) scripts/wine-session.sh ctest --test-dir $(BUILD)/win64 --output-on-failure

# The release files in dist/: the per-user installer and the portable zip, built without
# the tests. The same sources give the same bytes.
dist: deps
	cmake -S . -B $(BUILD)/dist -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DHALCYRA_TESTS=OFF
	cmake --build $(BUILD)/dist -j $(JOBS) --target dist

# Benchmarks, not tests: how long messages stay on the X display and where in the frame
# grid they are shown and hidden (map to unmap, 40 flashes each at DurationMs 10, 40 and
# 100), how often the program wakes while active with nothing due, its CPU use at rest,
# stopped and active, and (halcyra_flash_bench) a flash's time, GDI objects and memory over
# 10,000 shows and the times of a 20,000-line paste into the dialog. Prints the figures;
# takes about six minutes.
measure: deps win64
	cmake -S measure -B $(BUILD)/measure -G Ninja
	cmake --build $(BUILD)/measure
	$(XVFB) scripts/wine-session.sh measure/measure.sh $(BUILD)

# Not tests either: the settings store's fuzzers (clang, libFuzzer with ASan and UBSan),
# each run for FUZZ_SECONDS, and its load and save benchmarks. The benchmarks keep freed
# memory mapped between iterations: a fresh page costs about 16 us in this VM, which
# would otherwise drown the figures of the code itself.
FUZZ_SECONDS ?= 30
FUZZ_FLAGS = -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -dict=settings/fuzz/settings.dict
fuzz: deps
	cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALCYRA_TESTS=OFF -DHALCYRA_FUZZ=ON
	cmake --build $(BUILD)/fuzz -j $(JOBS) --target fuzz_read_number fuzz_settings_file
	mkdir -p $(BUILD)/fuzz/corpus/read_number $(BUILD)/fuzz/corpus/settings_file
	$(BUILD)/fuzz/settings/fuzz/fuzz_read_number $(FUZZ_FLAGS) $(BUILD)/fuzz/corpus/read_number
	$(BUILD)/fuzz/settings/fuzz/fuzz_settings_file $(FUZZ_FLAGS) -max_len=65536 $(BUILD)/fuzz/corpus/settings_file settings/fuzz/seeds

bench: deps
	cmake -S . -B $(BUILD)/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DHALCYRA_TESTS=OFF -DHALCYRA_BENCH=ON
	cmake --build $(BUILD)/bench -j $(JOBS) --target settings_bench
	GLIBC_TUNABLES=glibc.malloc.trim_threshold=4000000000:glibc.malloc.mmap_threshold=4000000000 \
	  $(BUILD)/bench/settings/bench/settings_bench

clean:
	rm -rf $(BUILD)
