# The two commands a newcomer needs: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps clean

deps:
	@scripts/install-packages.sh build qt window-tests

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/ribi

test: build
	@cd $(BUILD) && ctest -j $(JOBS) --output-on-failure --timeout 120

clean:
	rm -rf $(BUILD)
