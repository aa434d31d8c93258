# The two commands of the README, and what they stand on.
BUILD_DIR := build
JOBS      := -j2

.PHONY: run test build deps bench screenshots package new-series clean

run: build
	@tools/start.sh $(BUILD_DIR)/kaven

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure $(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD_DIR) $(JOBS)

deps:
	@tools/install-deps.sh

bench: build
	mkdir -p $(BUILD_DIR)/bench/full
	$(BUILD_DIR)/bench/bench_store $(BUILD_DIR)/bench/full
	$(BUILD_DIR)/bench/bench_startup $(BUILD_DIR)/bench/full
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/bench_verbal_confirm
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/bench_verbal_confirm 5 $(BUILD_DIR)/delivered
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/bench_quant_confirm
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/bench_quant_confirm 5 $(BUILD_DIR)/delivered
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/bench_progress
	$(BUILD_DIR)/bench/bench_series

# The Debian package, build/kaven_<version>_amd64.deb; dpkg-shlibdeps (dpkg-dev) and file
# find the libraries it needs.
package: build
	tools/install-deps.sh dpkg-dev file
	cd $(BUILD_DIR) && cpack -G DEB

# A new series in the build folder: the series so far moves into a dated folder beside it.
new-series: build
	$(BUILD_DIR)/kaven --new-series --data-dir $(BUILD_DIR)

# The README's tour: every picture in docs/screenshots made afresh.
screenshots: build
	tools/screenshots.sh $(BUILD_DIR) docs/screenshots

clean:
	rm -rf $(BUILD_DIR)
