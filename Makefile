# The two commands of the README, and a few for developers.
BUILD ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
CARD := $(BUILD)/sample-card
FUZZ_SECONDS ?= 60

.PHONY: run test deps build bench fuzz format format-check package clean

run: build
	@test -d "$(CARD)" || $(BUILD)/src/tool/tavik-tool demo-card "$(CARD)"
	$(BUILD)/src/app/tavik-viewer "$(CARD)"

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DTAVIK_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# A Debian package of the viewer and the tool, checked by the validators Debian uses.
package: build
	cd $(BUILD) && cpack -G DEB
	scripts/check-package $(BUILD)

bench: build
	scripts/run-benchmarks $(BUILD)

# Continues from the corpora kept in fuzz/corpus/ and merges what it finds back into them.
fuzz: deps
	scripts/fuzz $(FUZZ_SECONDS)

format:
	cmake --build $(BUILD) --target format

format-check:
	cmake --build $(BUILD) --target format-check

clean:
	rm -rf $(BUILD)
