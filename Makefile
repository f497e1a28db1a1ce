# Two commands set up a fresh Debian 12 machine by themselves:
#   make run    build, lay out dist/ and start the product
#   make test   build and pass the whole test suite
# make dist only builds and lays out dist/.

BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

DEBIAN_PACKAGES := cmake ninja-build g++ make libgtest-dev qt6-base-dev qt6-multimedia-dev \
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav \
  fonts-wqy-zenhei xvfb xauth xdotool openbox imagemagick x11-utils bc

SANITIZE_BUILD ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all

.PHONY: deps configure build dist run sample test test-sanitize clean

deps:
	@bash tools/install-deps.sh $(DEBIAN_PACKAGES)

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

dist: build
	@cmake --install $(BUILD) --prefix dist >/dev/null
	@echo "dist/ is laid out"

# The sample show: a package of our own pictures and music, played by the player.
sample: dist
	@bash tools/run-sample.sh $(BUILD) dist

run: sample

# The whole suite, then the toolkit-free layers again under AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: build
	@cd $(BUILD) && ctest --output-on-failure
	@$(MAKE) --no-print-directory test-sanitize

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DGLINT_WITH_QT=OFF -DCMAKE_BUILD_TYPE=Debug \
	  "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" >/dev/null
	@cmake --build $(SANITIZE_BUILD)
	@cd $(SANITIZE_BUILD) && ctest --output-on-failure

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) dist
