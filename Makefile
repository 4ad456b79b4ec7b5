# The commands of the README. Everything is installed by `make setup`.
NATIVE := build/native
WIN := build/win
BENCH := build/native-bench
FUZZ := build/fuzz
CMAKE_GEN := -G Ninja

.PHONY: all setup native win test test-native test-win run screenshots bench fuzz langids clean

all: win

setup:
	@bash scripts/setup.sh

native: setup
	@[ -f $(NATIVE)/build.ninja ] || cmake -S . -B $(NATIVE) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug
	cmake --build $(NATIVE) -j2

win: native
	@[ -f $(WIN)/build.ninja ] || cmake -S . -B $(WIN) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw32.cmake -DZT_CONSTGEN=$(abspath $(NATIVE))/constgen
	cmake --build $(WIN) -j2

test: test-native test-win

test-native: native
	ctest --test-dir $(NATIVE) -j2 --output-on-failure

test-win: win
	scripts/with-display ctest --test-dir $(WIN) --output-on-failure

run: win
	scripts/with-display scripts/run-program $(WIN)/zentory.exe build/zentory.png

screenshots: win
	scripts/screenshots $(WIN)/zentory.exe build/screenshots

bench: win
	@bash scripts/bench.sh

fuzz: setup
	@[ -f $(FUZZ)/build.ninja ] || CXX=clang++ CC=clang cmake -S . -B $(FUZZ) $(CMAKE_GEN) \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZT_FUZZ=ON -DZT_SANITIZE=OFF
	cmake --build $(FUZZ) -j2

# After a layout changes: give its new properties translation IDs and
# refresh the English template; commit res/lang with the layout.
langids: native
	$(NATIVE)/langids update res/lang src/l10n/constants_en.txt

clean:
	rm -rf $(NATIVE) $(WIN) $(BENCH) $(FUZZ)
