# Tavernrush: two commands for a newcomer.
#   make play   install what is missing, build, generate the assets, start the game
#   make test   install what is missing, build, run every test (GL tests under Xvfb),
#               then all of them again in the sanitizer build (build-asan)
# and a few more for maintainers:
#   make soak     20,000 frames of random input in the sanitizer build
#   make bench    start-up and frames against a bare window, where the time goes, the rules' CPU cost
#   make preview  contact sheets of every generated asset
#   make package  a .deb of the installed game, checked as Debian would
#   make fuzz     every fuzz target for FUZZ_SECONDS each (clang, libFuzzer, build-fuzz)

BUILD_DIR ?= build
# The sanitizer build; its folder is fixed by the "asan" preset.
ASAN_DIR  := build-asan
SOAK_FRAMES ?= 20000
# The fuzz build: clang with libFuzzer, ASan and UBSan, its own folder.
FUZZ_DIR  := build-fuzz
FUZZ_SECONDS ?= 300
FUZZ_TARGETS ?= settings controls records level_file dds_header image obj_import snapshot replay_script run_file
JOBS      ?= $(shell nproc)
# -noreset: without it Xvfb resets whenever its last client leaves, and a test
# that connects during the reset is refused.
XVFB      := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"

PACKAGES := cmake g++ make pkg-config \
	libglfw3-dev libglew-dev libglm-dev libassimp-dev libfreeimage-dev \
	libstb-dev libinih-dev libbullet-dev libjpeg-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev \
	libopenal-dev libasound2-dev libsndfile1-dev libvorbis-dev libogg-dev libcli11-dev \
	xvfb xauth libgl1-mesa-dri fonts-dejavu-core dpkg-dev ccache \
	appstream desktop-file-utils lintian xdotool

# ccache (when installed) keys its cache on paths relative to the checkout, so
# a second clone or a worktree reuses the compiles of the first.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build play test configure-asan build-asan test-asan soak preview bench package fuzz clean

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	done); \
	if [ -n "$$missing" ]; then \
		echo "Installing missing packages:" $$missing; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Only the game and its assets: the tests and tools wait for make test.
play: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target tavernrush tavernrush_assets
	cd $(BUILD_DIR) && ./tavernrush

configure-asan: deps
	cmake --preset asan

build-asan: configure-asan
	cmake --build $(ASAN_DIR) -j $(JOBS)

# First the everyday build's tests, then the whole suite again under
# AddressSanitizer, LeakSanitizer and UBSan, the 2,000-frame soak included.
test: build
	cd $(BUILD_DIR) && $(XVFB) ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

test-asan: build-asan
	cd $(ASAN_DIR) && $(XVFB) ctest --output-on-failure -j $(JOBS)

# The long soak: 20,000 frames of random input under the sanitizers; -V
# shows the memory figures of a passing run too.
soak: build-asan
	cd $(ASAN_DIR) && TAVERNRUSH_SOAK_FRAMES=$(SOAK_FRAMES) $(XVFB) ctest --output-on-failure -V -L soak

preview: build
	$(XVFB) cmake --build $(BUILD_DIR) --target tavernrush_preview
	@echo "Preview sheets written to $(BUILD_DIR)/preview/"

# The game's start-up and frames against a bare window on this machine's GL
# driver, per-pass and start-up splits, and the CPU cost of one frame's rules;
# results land in $(BUILD_DIR)/bench/.
# Then the route alone in three more windows: with vsync (the spread of its
# frame times), and at 1920 x 1080 (an Xvfb screen of that size) at render
# scale 1 and at auto; each writes bench/<settings>.json with every frame's
# time and render scale, and after the route the floor frames (the composite
# and the swap, the work at the window's size) and the bare window's frames.
XVFB_FULL_HD := xvfb-run -a -s "-screen 0 1920x1080x24 -noreset"
ROUTE_ONLY = ./tavernrush-bench --route $(CURDIR)/tools/bench/route.replay --route-only-with $(CURDIR)/tools/bench/$(1).ini

bench: build
	mkdir -p $(BUILD_DIR)/bench
	cd $(BUILD_DIR) && $(XVFB) ./tavernrush-bench --route $(CURDIR)/tools/bench/route.replay \
		--json bench/frames.json > bench/frames.md && cat bench/frames.md
	cd $(BUILD_DIR) && { \
		printf '\n| window, settings | frames | route median / p95 | spread: p5 to p95, sd, long frames | render scale x frames | floor: composite and swap | bare: clear and swap |\n|---|---|---|---|---|---|---|\n' && \
		$(XVFB) $(call ROUTE_ONLY,vsync) --vsync --json bench/vsync.json && \
		$(XVFB_FULL_HD) $(call ROUTE_ONLY,full-hd-scale-1) --json bench/full-hd-scale-1.json && \
		$(XVFB_FULL_HD) $(call ROUTE_ONLY,full-hd-auto) --json bench/full-hd-auto.json; \
	} > bench/windows.md && cat bench/windows.md
	cd $(BUILD_DIR) && ./tavernrush-rules-benchmark --benchmark_out=bench/rules.json \
		--benchmark_out_format=json > bench/rules.txt && cat bench/rules.txt

# Debian package of the installed layout; cpack leaves tavernrush_<version>_<arch>.deb in $(BUILD_DIR).
# Then desktop-file-validate, appstreamcli, the manual page and lintian over it.
package: build
	rm -f $(BUILD_DIR)/tavernrush_*.deb
	cd $(BUILD_DIR) && cpack
	packaging/check-package.sh $(BUILD_DIR)/tavernrush_*.deb

# Every reader of outside input under libFuzzer for FUZZ_SECONDS each, then
# per target: executions, coverage and anything found (findings and the
# grown corpora stay in build-fuzz/runs/). Only this target needs clang.
fuzz: PACKAGES += clang-14 libclang-rt-14-dev
fuzz: deps
	CC=clang-14 CXX=clang++-14 cmake -S tests/fuzz -B $(FUZZ_DIR)
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	tests/fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
