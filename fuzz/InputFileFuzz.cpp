// Any bytes as an input file, opened with "Otwórz": a file is read whole or not at all. A
// refused file changes no value and gives one message; a file that opens saves again without a
// word, and the saved file opens to the same values.
//
// One program serves every input (building the windows costs more than reading a file); each
// input starts from the values of a freshly loaded program, put back as a file would.

#include <unistd.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "app/InputFile.h"
#include "engine/DesignState.h"
#include "kit/ProgramState.h"
#include "platform/NumberFormat.h"
#include "tests/support/ScriptedHost.h"

namespace {

using kord::InputValue;

struct Program {
    QTemporaryDir folder;
    kord::ScriptedHostScope scope;
    std::vector<InputValue> fresh;
    std::string in = folder.filePath(QStringLiteral("in.inp")).toStdString();
    std::string out = folder.filePath(QStringLiteral("out.inp")).toStdString();
};
Program* program = nullptr;

void Check(bool ok) {
    if (!ok) std::abort();
}

void Reset() {
    kord::ApplyInputValues(program->fresh);
    Check(kord::CollectInputValues() == program->fresh);
    program->scope.host.messages.clear();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    kord::SetCurrentLocale(kord::NumericLocale::FromName("pl_PL"));
    kord::State().DecimalComma = true;
    program = new Program;
    program->fresh = kord::CollectInputValues();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kord;
    Reset();
    std::ofstream(program->in, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    auto& messages = program->scope.host.messages;
    if (!OpenInputFile(program->in)) {
        Check(messages.size() == 1);
        Check(CollectInputValues() == program->fresh);
        return 0;
    }
    Check(messages.empty());
    const std::vector<InputValue> opened = CollectInputValues();
    ::unlink(program->out.c_str());
    Check(SaveInputFile(program->out));
    Check(messages.empty());

    Reset();
    Check(OpenInputFile(program->out));
    Check(messages.empty());
    Check(CollectInputValues() == opened);
    return 0;
}
