# Two commands set up a fresh Debian 12 or 13 machine by themselves:
#   make run    build, lay out dist/ and start the product
#   make test   build and pass the whole test suite
# make dist only builds and lays out dist/; make sample plays the built-in sample show.
# make windows builds the 32-bit Windows programs into dist-win32/; make test-windows tests them
# under Wine (make test runs it last).

BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

# What building and running need (make run, make dist). A name ending in "?" is installed where the
# release has such a package: libheif's decoders are plugins on Debian 13, built in on Debian 12.
# The player and installer that travel in a package stand on X11's client libraries, with
# libjpeg-turbo, libpng and zlib linked in from their static archives. The player loads its music
# libraries at run time; the Debian package depends on PulseAudio's client library and libmpg123
# (named through libmpg123-dev, whose name is the same in every release). msgfmt (gettext)
# compiles the texts' catalogs in po/.
RUN_PACKAGES := cmake ninja-build g++ make gettext qt6-base-dev \
  libjpeg62-turbo-dev libheif-dev libheif-plugin-libde265? libheif-plugin-dav1d? \
  qt6-image-formats-plugins fonts-wqy-zenhei qt6-translations-l10n \
  libpng-dev zlib1g-dev libx11-dev libxext-dev libxrandr-dev libxft-dev libfontconfig-dev \
  libpulse0 libmpg123-dev
# What the tests add: GoogleTest, X servers and the tools that drive them, HEIC and AVIF writers,
# the screensaver daemons, a sound server to record the music from, GStreamer with the plugins
# the player decodes WMA through, a Wayland compositor.
TEST_PACKAGES := libgtest-dev xvfb xauth xdotool openbox imagemagick libheif-examples \
  libheif-plugin-x265? libheif-plugin-aomenc? x11-utils bc xserver-xorg-core \
  xserver-xorg-video-dummy x11-xserver-utils xscreensaver xss-lock python3 \
  pulseaudio pulseaudio-utils ffmpeg gstreamer1.0-plugins-base gstreamer1.0-plugins-ugly \
  gstreamer1.0-libav sway swayidle qt6-wayland xwayland

SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all

.PHONY: deps test-deps configure build dist run sample test test-sanitize test-debian13 clean \
  test-standalone

deps:
	@bash tools/install-deps.sh $(RUN_PACKAGES)

test-deps:
	@bash tools/install-deps.sh $(RUN_PACKAGES) $(TEST_PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

# dist/ carries the Windows player and installer too (in dist/windows/), cross-built, so that the
# authoring program makes a show's single file for either system. The player and installer travel
# in every show: they are stripped of their debugging sections.
dist: build windows-programs
	@cmake --install $(BUILD) --prefix dist >/dev/null
	@strip dist/pb.sys dist/sp.sys
	@install -D -m 755 $(WIN_BUILD)/player/glintsaver.exe dist/windows/pb.sys
	@install -D -m 755 $(WIN_BUILD)/installer/glint_setup.exe dist/windows/sp.sys
	@echo "dist/ is laid out"

# The sample show: a package of our own pictures and music, played by the player.
sample: dist
	@bash tools/run-sample.sh $(BUILD) dist

# The authoring program, started in its own folder dist/.
run: dist
	@./dist/glintmaker

# The whole suite, then the toolkit-free layers again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then the Windows build under Wine.
test: test-deps build
	@cd $(BUILD) && ctest --output-on-failure
	@$(MAKE) --no-print-directory test-sanitize
	@$(MAKE) --no-print-directory test-windows

test-sanitize: test-deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DGLINT_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Debug \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_BUILD)
	@cd $(SANITIZE_BUILD) && ctest --output-on-failure

# A package laid out by this build, played and installed by an ordinary user in a fresh Debian
# root of the other release (bookworm or trixie; STANDALONE_RELEASE=sid for unstable) that has an
# X server and a sound server but no Glint and no Qt (root only; otherwise SKIP); with it the
# show files 屏幕保护-Linux.run that make test had the authoring programs generate, on Linux and
# under Wine, started with sh.
STANDALONE_RELEASE ?=
test-standalone: dist
	@GLINT_SHOW_FOLDERS="$(WIN_BUILD)/shared-shows $(BUILD)/shared-shows" \
	  bash tests/packaging/standalone_e2e.sh dist $(STANDALONE_RELEASE) || [ $$? -eq 77 ]

# make test again on Debian 13 (trixie), in a fresh root made with debootstrap (CI runs it after
# make test).
test-debian13:
	@bash tools/test-in-debian-root.sh trixie

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) dist $(WIN_BUILD) $(WIN_DIST) $(BENCH_BUILD) $(WIN_BENCH_BUILD) \
	  $(PACKAGES_DIR)

# The 32-bit Windows build (platform/win32), cross-compiled with mingw-w64 and run under Wine.
# make windows lays out dist-win32/, the authoring program's own folder on Windows (copy it to a
# Windows machine as it is); make test-windows runs the Windows logic tests and the programs
# themselves under Wine (tests/win32/run_smoke.sh). Its sample show comes from the Linux build.
WIN_BUILD ?= build-win32
WIN_DIST ?= dist-win32

.PHONY: windows windows-configure windows-programs test-windows

windows-configure:
	@bash tools/install-windows-deps.sh build
	@cmake -S . -B $(WIN_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release >/dev/null

# Only the Windows player and installer, for dist/.
windows-programs: windows-configure
	@cmake --build $(WIN_BUILD) --target glintsaver glint_setup

# dist-win32/ carries the Linux player and installer too (in dist-win32/linux/), from the Linux
# build.
windows: windows-configure build
	@cmake --build $(WIN_BUILD)
	@cmake --install $(WIN_BUILD) --prefix $(WIN_DIST) >/dev/null
	@install -D -s -m 755 $(BUILD)/player/glintsaver $(WIN_DIST)/linux/pb.sys
	@install -D -s -m 755 $(BUILD)/installer/glint_setup $(WIN_DIST)/linux/sp.sys
	@install -D -m 644 $(BUILD)/third-party-notices.txt $(WIN_DIST)/linux/third-party-notices.txt
	@echo "$(WIN_DIST)/ is laid out"

test-windows: windows build
	@bash tools/install-windows-deps.sh tests
	@bash tests/win32/run_smoke.sh $(WIN_BUILD) $(WIN_DIST) $(BUILD)

# Fuzzing with clang's libFuzzer (fuzz/): each target runs FUZZ_SECONDS from its seed corpus
# (FUZZ_TARGETS="jpeg_picture heif_picture" runs only those). libclang-rt-14-dev holds the fuzzer
# and sanitizer runtimes that clang-14 alone lacks; the picture targets link Qt, libjpeg-turbo
# and libheif.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz soak

fuzz:
	@bash tools/install-deps.sh cmake ninja-build gettext clang-14 libclang-rt-14-dev qt6-base-dev \
	  libjpeg62-turbo-dev libheif-dev qt6-image-formats-plugins
	@cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null
	@cmake --build $(FUZZ_BUILD)
	@bash fuzz/run_fuzzers.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The long runs, apart from the suite: a week of the show on the headless backend, then the real
# player under Xvfb + openbox for SOAK_SECONDS (its memory) and at random moments (how soon a key
# ends it). See RELIABILITY.md for the figures.
SOAK_SECONDS ?= 600

soak: build
	@bash tests/reliability/soak/soak.sh $(BUILD) $(SOAK_SECONDS)

# Benchmarks (bench/): builds them in their own folder, runs each on this machine (Xvfb where a
# display is needed) and prints one table of figures against targets. See BENCHMARKS.md.
BENCH_BUILD ?= build-bench
# The Windows build's benchmark (peak memory), run under Wine.
WIN_BENCH_BUILD ?= build-win32-bench

.PHONY: bench

bench: deps
	@bash tools/install-deps.sh libjpeg-turbo-progs feh
	@cmake -S . -B $(BENCH_BUILD) -G Ninja $(CMAKE_FLAGS) -DGLINT_BENCH=ON >/dev/null
	@cmake --build $(BENCH_BUILD)
	@bash tools/install-windows-deps.sh tests
	@cmake -S . -B $(WIN_BENCH_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
	  -DCMAKE_BUILD_TYPE=Release -DGLINT_BENCH=ON >/dev/null
	@cmake --build $(WIN_BENCH_BUILD) --target peak_memory_bench
	@bash bench/run_benchmarks.sh $(BENCH_BUILD) $(WIN_BENCH_BUILD)

# Installers (packaging/), laid into dist-packages/. make deb: the Debian package of the Linux
# build for this machine's release, checked with lintian and appstreamcli; make test-deb installs
# it with apt into a fresh root of the same release and runs it there as an ordinary user (root
# only; otherwise it prints SKIP, and a skipped test's status 77 does not fail make).
# make windows-setup: the Windows setup program made with NSIS from dist-win32/;
# make test-windows-setup installs, starts and uninstalls it under Wine where this machine runs
# 32-bit programs.
PACKAGES_DIR ?= dist-packages

.PHONY: deb test-deb windows-setup test-windows-setup

deb: build windows-programs
	@bash tools/install-deps.sh dpkg-dev lintian appstream desktop-file-utils
	@bash packaging/deb/build-deb.sh $(BUILD) $(PACKAGES_DIR) $(WIN_BUILD)

test-deb: deb
	@bash tests/packaging/deb_install_e2e.sh \
	  $(PACKAGES_DIR)/glint_$$(cat $(BUILD)/glint-version.txt)_$$(dpkg --print-architecture).deb \
	  || [ $$? -eq 77 ]

windows-setup: windows
	@bash tools/install-deps.sh nsis
	@bash packaging/windows/build-setup.sh $(WIN_BUILD) $(WIN_DIST) $(PACKAGES_DIR)

test-windows-setup: windows-setup
	@bash tools/install-windows-deps.sh tests
	@bash tests/packaging/windows_setup_wine.sh \
	  $(PACKAGES_DIR)/glint-$$(cat $(WIN_BUILD)/glint-version.txt)-setup.exe || [ $$? -eq 77 ]
