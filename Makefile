# The project's commands. `make test` is what CI runs.
BUILD ?= build
JOBS  ?= 2
CMAKE_FLAGS ?=

.PHONY: all bootstrap configure build test run bench server clean

all: build

bootstrap:
	@scripts/bootstrap

configure: bootstrap
	@if [ ! -f $(BUILD)/build.ninja ]; then \
	  cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS); \
	fi

build: configure
	cmake --build $(BUILD) -j$(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest -j$(JOBS) --output-on-failure --timeout 300

run: build
	scripts/run $(BUILD)

bench: build
	$(BUILD)/kuralo_bench

clean:
	rm -rf $(BUILD)
