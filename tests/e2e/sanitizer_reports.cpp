// SPDX-License-Identifier: MIT
// In the sanitized build the game under test is sanitized too, but a report it writes to its
// stderr fails nothing unless a test happens to wait for its exit status. So every program the
// tests start writes its sanitizer reports into a private directory instead, and a test
// program fails when it ends with any report there, whichever test it was running. In an
// ordinary build the options are never read and the directory stays empty.
//
// When a report stops a test program itself, its Xvfb and game would outlive it, holding
// ctest's output pipe open until the time-out; the programs it started are killed first.

#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <link.h>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>

namespace zorvik::e2e {
namespace {

void killChildren()
{
    const std::string parent = std::to_string(getpid());
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        std::ifstream stat(entry.path() / "stat");
        std::string pid, name, state, ppid;
        // The name is in parentheses and may hold spaces; the fields after it do not.
        std::getline(stat, pid, ' ');
        std::getline(stat, name, ')');
        if (stat >> state >> ppid && ppid == parent)
            kill(std::atoi(pid.c_str()), SIGKILL);
    }
}

// Runs the callback when a sanitizer stops this program. Each sanitizer runtime loaded has its
// own (g++ links AddressSanitizer and UndefinedBehaviorSanitizer as two libraries); an
// ordinary build has none.
void onSanitizerDeath(void (*callback)())
{
    using SetDeathCallback = void (*)(void (*)());
    std::set<SetDeathCallback> setters;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* found) {
            void* object
                = dlopen(*info->dlpi_name ? info->dlpi_name : nullptr, RTLD_NOW | RTLD_NOLOAD);
            if (!object)
                return 0;
            if (void* setter = dlsym(object, "__sanitizer_set_death_callback"))
                static_cast<std::set<SetDeathCallback>*>(found)->insert(
                    reinterpret_cast<SetDeathCallback>(setter));
            dlclose(object);
            return 0;
        },
        &setters);
    for (const SetDeathCallback setter : setters)
        setter(callback);
}

class SanitizerReports final : public ::testing::Environment {
public:
    void SetUp() override
    {
        onSanitizerDeath(killChildren);
        std::string pattern
            = (std::filesystem::temp_directory_path() / "zorvik-reports-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        directory_ = pattern;
        const std::string logPath = "log_path=" + (directory_ / "report").string();
        // This program read its own options at start-up; only the ones it starts see these.
        for (const char* name : { "ASAN_OPTIONS", "UBSAN_OPTIONS" }) {
            const char* options = std::getenv(name);
            const std::string merged
                = options && *options ? std::string(options) + ":" + logPath : logPath;
            setenv(name, merged.c_str(), 1);
        }
    }

    void TearDown() override
    {
        if (directory_.empty())
            return;
        for (const auto& report : std::filesystem::directory_iterator(directory_)) {
            std::ifstream in(report.path());
            std::ostringstream text;
            text << in.rdbuf();
            ADD_FAILURE() << "a program the tests started wrote a sanitizer report ("
                          << report.path().filename().string() << "):\n"
                          << text.str();
        }
        std::filesystem::remove_all(directory_);
    }

private:
    std::filesystem::path directory_;
};

[[maybe_unused]] ::testing::Environment* const registered
    = ::testing::AddGlobalTestEnvironment(new SanitizerReports);

} // namespace
} // namespace zorvik::e2e
