#include "TempFolder.h"
#include "core/base/IniSettingsFile.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qtr {
namespace {

// Lines as the desktop program's settings store writes them.
constexpr char kWritten[] = "[Backup]\n"
                            "ComPort=3\n"
                            "\n"
                            "[Ports]\n"
                            "COM%209=a b\n"
                            "COM10=\n"
                            "COM11=x#y\n"
                            "COM3=/some/device\n"
                            "COM4=\"/dev/serial/by-id/usb-FTDI_FT232R,x=1;y\"\n"
                            "COM5=\" spaced \"\n"
                            "COM6=@@odd\n"
                            "COM7=quote\\\"back\\\\slash\\ttab\n"
                            "COM8=/dev/\xc3\xbcn\xc3\xaf\n";

TEST(IniSettingsFileTest, ReadsTheValuesAsTheDesktopProgramWroteThem)
{
    test::TempFolder folder;
    const std::string path = folder.File("QTR31X.conf");
    test::TempFolder::WriteBytes(path, std::vector<std::uint8_t>(kWritten, kWritten + sizeof kWritten - 1));
    const IniSettingsFile file(path);
    EXPECT_EQ(file.ReadText("ports", "com3"), "/some/device");
    EXPECT_EQ(file.ReadText("Ports", "COM4"), "/dev/serial/by-id/usb-FTDI_FT232R,x=1;y");
    EXPECT_EQ(file.ReadText("Ports", "COM5"), " spaced ");
    EXPECT_EQ(file.ReadText("Ports", "COM6"), "@odd");
    EXPECT_EQ(file.ReadText("Ports", "COM7"), "quote\"back\\slash\ttab");
    EXPECT_EQ(file.ReadText("Ports", "COM8"), "/dev/\xc3\xbcn\xc3\xaf");
    EXPECT_EQ(file.ReadText("Ports", "COM 9"), "a b");
    EXPECT_EQ(file.ReadText("Ports", "COM10"), "");
    EXPECT_EQ(file.ReadText("Ports", "COM11"), "x#y");
    EXPECT_EQ(file.ReadInteger("Backup", "ComPort"), 3);
    EXPECT_FALSE(file.ReadText("Ports", "COM1"));
    EXPECT_FALSE(IniSettingsFile(folder.File("missing.conf")).ReadText("Backup", "ComPort"));
}

TEST(IniSettingsFileTest, ValuesEndAtAnUnquotedSemicolonAndLoseTheirOuterBlanks)
{
    EXPECT_EQ(IniSettingsFile::ParseValue("  /dev/ttyS0  ; a comment"), "/dev/ttyS0");
    EXPECT_EQ(IniSettingsFile::ParseValue("\"a;b\" c"), "a;b c");
    EXPECT_EQ(IniSettingsFile::ParseValue("\\x263a\\101"), "\xe2\x98\xba" "A");
    EXPECT_EQ(IniSettingsFile::ParseName("COM%41%U00fc"), "COMA\xc3\xbc");
}

TEST(IniSettingsFileTest, LiesWhereTheDesktopProgramKeepsItsSettings)
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = xdg ? xdg : "";
    setenv("XDG_CONFIG_HOME", "/tmp/qtr-config", 1);
    EXPECT_EQ(IniSettingsFile::DefaultPath(), "/tmp/qtr-config/HALVERN/QTR31X.conf");
    setenv("XDG_CONFIG_HOME", "relative", 1); // not absolute: not used
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(IniSettingsFile::DefaultPath(), "/home/someone/.config/HALVERN/QTR31X.conf");
    if (xdg)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

} // namespace
} // namespace qtr
