// The program built without the windows has no result pages, and says so.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stapel/Stapel.h"

namespace nodra::stapel {
namespace {

int Aufruf(std::vector<std::string> argumente) {
    argumente.insert(argumente.begin(), "nodra-l-stapel");
    std::vector<char*> argv;
    for (auto& a : argumente) argv.push_back(a.data());
    argv.push_back(nullptr);
    int argc = static_cast<int>(argumente.size());
    return Programm(argc, argv.data());
}

TEST(Seitenoption, OhneFensterFehltSieUndDieHilfeSagtEs) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(Aufruf({"--help"}), 0);
    const std::string hilfe = testing::internal::GetCapturedStdout();
    EXPECT_NE(hilfe.find("--seiten       (Ergebnisseiten als PDF) fehlt hier"), std::string::npos) << hilfe;
    EXPECT_EQ(hilfe.find("[--seiten SEITEN.pdf]"), std::string::npos);

    testing::internal::CaptureStderr();
    EXPECT_EQ(Aufruf({"ein.csv", "aus.csv", "--seiten", "seiten.pdf"}), 2);
    EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("Unbekannte Option: seiten\n", 0), 0u);
}

}  // namespace
}  // namespace nodra::stapel
