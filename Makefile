# The two commands of the README: `make run` and `make test`.
# Both install whatever is missing first (Debian; apt-get through sudo when not root).

BUILD   ?= build
JOBS    ?= $(shell nproc)
XVFB    := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: run test deps native win64 win32 test-native test-win64 clean

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

clean:
	rm -rf $(BUILD)
