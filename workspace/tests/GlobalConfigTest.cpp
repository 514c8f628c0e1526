// The settings file's values are read whole, however long.
#include <gtest/gtest.h>

#include "GlobalConfig.h"
#include "TestFolder.h"

TEST(GlobalConfig, LongValuesAreReadWholeAndMissingKeysGiveTheDefault)
{
    CTestFolder folder("global-config");
    const std::string strLong = "C:\\" + std::string(300, 'p') + "\\vcvars32.bat";
    folder.Write("config.ini", "[Global]\r\nauto_flag=0\r\ncompiler_path=" + strLong + "\r\n");
    const std::string strFile = folder.Path("config.ini");
    EXPECT_EQ(strLong, std::string(ReadIniString(strFile.c_str(), "Global", "compiler_path", "")));
    EXPECT_EQ("0", std::string(ReadIniString(strFile.c_str(), "Global", "auto_flag", "1")));
    EXPECT_EQ("none", std::string(ReadIniString(strFile.c_str(), "Global", "missing", "none")));
    EXPECT_EQ("", std::string(ReadIniString(folder.Path("absent.ini").c_str(), "Global", "compiler_path", "")));
}
