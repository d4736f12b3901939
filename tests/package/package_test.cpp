// The Debian package as a user installs it: built by cpack from this build
// tree, unpacked into a scratch root, and checked file by file.
#include "tests/support/temp_env.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <sys/wait.h>

using tqr::test::TempEnv;
namespace fs = std::filesystem;

namespace {

struct Result {
    int status = -1;
    std::string output;
};

Result run(const std::string& command)
{
    Result r;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr)
        return r;
    char buf[512];
    while (std::fgets(buf, sizeof buf, pipe) != nullptr)
        r.output += buf;
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

std::string quoted(const fs::path& p)
{
    return "'" + p.string() + "'";
}

const std::string kAppId = "org.tqrsetup.TQRSetup";

} // namespace

TEST(Package, TheDebInstallsBothCommandsTheirManPagesAndTheDesktopFiles)
{
    TempEnv env;
    const fs::path out = env.root() / "out";
    const Result pack =
        run(std::string(TQR_CPACK) + " -G DEB --config " TQR_BUILD_DIR "/CPackConfig.cmake -B " + quoted(out));
    ASSERT_EQ(pack.status, 0) << pack.output;
    fs::path deb;
    for (const auto& e : fs::directory_iterator(out))
        if (e.path().extension() == ".deb")
            deb = e.path();
    ASSERT_FALSE(deb.empty()) << pack.output;

    const fs::path root = env.root() / "root";
    const Result unpack = run("dpkg-deb -x " + quoted(deb) + " " + quoted(root));
    ASSERT_EQ(unpack.status, 0) << unpack.output;
    std::set<std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(root))
        if (!e.is_directory())
            files.insert(e.path().lexically_relative(root).string());
    const std::set<std::string> expected{
        "usr/bin/TQRSetup",
        "usr/bin/tqrprofile",
        "usr/share/applications/" + kAppId + ".desktop",
        "usr/share/icons/hicolor/scalable/apps/" + kAppId + ".svg",
        "usr/share/metainfo/" + kAppId + ".metainfo.xml",
        "usr/share/man/man1/TQRSetup.1.gz",
        "usr/share/man/man1/tqrprofile.1.gz",
    };
    EXPECT_EQ(files, expected);

    // dpkg-shlibdeps found what the programs link against.
    const Result depends = run("dpkg-deb -f " + quoted(deb) + " Depends");
    EXPECT_NE(depends.output.find("libqt6widgets6"), std::string::npos) << depends.output;
    EXPECT_NE(depends.output.find("libc6"), std::string::npos) << depends.output;
    EXPECT_NE(depends.output.find("libblkid1"), std::string::npos) << depends.output;
    EXPECT_NE(depends.output.find("libcurl4"), std::string::npos) << "loaded at run time: " << depends.output;
    EXPECT_NE(depends.output.find("libpugixml1v5"), std::string::npos) << depends.output;
    EXPECT_NE(depends.output.find("libsystemd0"), std::string::npos) << "loaded at run time: " << depends.output;
    const Result recommends = run("dpkg-deb -f " + quoted(deb) + " Recommends");
    EXPECT_NE(recommends.output.find("qt6-wayland"), std::string::npos) << recommends.output;
    EXPECT_NE(recommends.output.find("mobile-broadband-provider-info"), std::string::npos) << recommends.output;
    EXPECT_NE(recommends.output.find("udisks2"), std::string::npos) << recommends.output;

    // What was installed works and validates where it lies.
    const Result version = run(quoted(root / "usr/bin/tqrprofile") + " --version");
    EXPECT_EQ(version.output, "tqrprofile 3.28\n");
    const Result desktop =
        run("desktop-file-validate " + quoted(root / "usr/share/applications" / (kAppId + ".desktop")));
    EXPECT_EQ(desktop.status, 0) << desktop.output;
    EXPECT_EQ(desktop.output, "") << "no hints either";
    const Result meta =
        run("appstreamcli validate --no-net " + quoted(root / "usr/share/metainfo" / (kAppId + ".metainfo.xml")));
    EXPECT_EQ(meta.status, 0) << meta.output;
    const Result man = run("zcat " + quoted(root / "usr/share/man/man1/tqrprofile.1.gz"));
    EXPECT_NE(man.output.find(".TH TQRPROFILE \"1\""), std::string::npos) << man.output.substr(0, 200);
    // A section per command with its options and exit codes, and the JSON fields.
    for (const char* part : {".SS \"mailtest FILE\"", "\\-\\-ca\\-file", "\\-\\-send", "\\-\\-json", "Exit status:",
                             ".B gsm.email.secure_type", "64 (NO), 65 (SSL/TLS) or 66 (STARTTLS)", ".B gsm.emails[3]"})
        EXPECT_NE(man.output.find(part), std::string::npos) << part;
}

TEST(Package, TheDesktopEntryHasOneMainCategoryAndValidates)
{
    const fs::path desktop = fs::path(TQR_SOURCE_DIR) / "resources" / (kAppId + ".desktop");
    const Result r = run("desktop-file-validate " + quoted(desktop));
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(r.output, "") << "a hint means more than one main category or the like";
}

TEST(Package, TheMetainfoValidatesWithoutTheNetwork)
{
    const fs::path meta = fs::path(TQR_SOURCE_DIR) / "packaging" / (kAppId + ".metainfo.xml");
    const Result r = run("appstreamcli validate --no-net " + quoted(meta));
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("successful"), std::string::npos) << r.output;
}

TEST(Package, DesktopEntryAndMetainfoSpeakEveryLanguageOfTheDialog)
{
    const std::string entry =
        run("cat " + quoted(fs::path(TQR_SOURCE_DIR) / "resources" / (kAppId + ".desktop"))).output;
    const std::string info =
        run("cat " + quoted(fs::path(TQR_SOURCE_DIR) / "packaging" / (kAppId + ".metainfo.xml"))).output;
    for (const std::string lang : {"de", "fr", "es", "da", "fi", "sv", "nb", "nl", "it"})
        for (const std::string& key :
             {"\nName[" + lang + "]=", "\nGenericName[" + lang + "]=", "\nComment[" + lang + "]=",
              "\nKeywords[" + lang + "]=", "<summary xml:lang=\"" + lang, "<p xml:lang=\"" + lang})
            EXPECT_NE((key[0] == '\n' ? entry : info).find(key), std::string::npos) << key;
}
