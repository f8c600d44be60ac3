#include "platform/testing/export_list.h"

#include "platform/testing/outside_tool.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <sstream>

namespace testkit {

namespace {

// A C++ name in its source spelling; any other name as it stands.
std::string Demangled(const std::string& name) {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> readable(
        abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status), &std::free);
    return status == 0 && readable ? std::string(readable.get()) : name;
}

bool InNamespace(const std::string& name, const std::string& pattern) {
    const std::string prefix = pattern.substr(0, pattern.size() - 1); // "ns::"
    return name.starts_with(prefix);
}

bool IsNamespacePattern(const std::string& entry) {
    return entry.ends_with("::*");
}

} // namespace

std::set<std::string> DefinedExports(const std::filesystem::path& library) {
    const ToolRun run = RunTool({TALLOWMERE_NM, "-D", "--defined-only", library.string()});
    if (run.exitStatus != 0) {
        ADD_FAILURE() << "nm could not list " << library << ": " << run.errors;
        return {};
    }
    // Each line is "<value> <type> <name>[@<version>]".
    std::set<std::string> names;
    std::istringstream lines(run.output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string word;
        std::string last;
        while (words >> word) {
            last = word;
        }
        if (!last.empty()) {
            names.insert(Demangled(last.substr(0, last.find('@'))));
        }
    }
    return names;
}

::testing::AssertionResult ExportsExactly(const std::filesystem::path& library,
                                          const std::set<std::string>& expected) {
    const std::set<std::string> exports = DefinedExports(library);
    std::string unexpected;
    for (const std::string& name : exports) {
        bool listed = expected.contains(name);
        for (const std::string& entry : expected) {
            listed = listed || (IsNamespacePattern(entry) && InNamespace(name, entry));
        }
        if (!listed) {
            unexpected += "\n  " + name;
        }
    }
    std::string missing;
    for (const std::string& entry : expected) {
        bool found = exports.contains(entry);
        for (const std::string& name : exports) {
            found = found || (IsNamespacePattern(entry) && InNamespace(name, entry));
        }
        if (!found) {
            missing += "\n  " + entry;
        }
    }
    if (unexpected.empty() && missing.empty()) {
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult failure = ::testing::AssertionFailure();
    failure << library.filename().string() << " does not export exactly its list.";
    if (!unexpected.empty()) {
        failure << "\nExported but not listed:" << unexpected;
    }
    if (!missing.empty()) {
        failure << "\nListed but not exported:" << missing;
    }
    return failure;
}

} // namespace testkit
