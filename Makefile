# Two entry points: `make run` and `make test`. Both install what is missing first.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
# The normal build is the one packaged: Debian's hardening flags, bindnow included.
BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

.PHONY: deps configure build run test test-asan bench package format translations clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAZODO_WERROR=ON -DAZODO_BENCH=ON \
	    -DCMAKE_CXX_FLAGS="$$($(BUILDFLAGS) CPPFLAGS) $$($(BUILDFLAGS) CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(BUILDFLAGS) LDFLAGS)"

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/azodo

# Every test of the normal build, then the whole suite again under AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails the run. The soak takes fewer actions
# there: the sanitizers make each one several times slower.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DAZODO_WERROR=ON -DAZODO_BENCH=OFF -DAZODO_PACKAGE_TEST=OFF \
	    -DCMAKE_CXX_FLAGS="$(SANITIZE)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && \
	    ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:exitcode=23 \
	    LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	    AZODO_SOAK_ACTIONS=5000 \
	    ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD)/bin/azodo-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

package: build
	cd $(BUILD) && cpack -G DEB

# Reads every translatable text of the sources into translations/*.ts; new texts then
# wait there for their English.
translations: configure
	cmake --build $(BUILD) --target translations

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
