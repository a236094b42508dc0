// The side-by-side manifest: common controls 6 for x86, and execution as the invoking user.
#include "TobrinExe.h"

#include <string>

TEST_F(TobrinExe, ManifestIsTheOneLineAssemblyManifest)
{
    const std::vector<uint8_t>& data = Data(kRtManifest, 1);
    const std::string text(data.begin(), data.end());
    EXPECT_EQ(text,
              "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"
              "<dependency><dependentAssembly>"
              "<assemblyIdentity type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
              "processorArchitecture=\"X86\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>"
              "</dependentAssembly></dependency>"
              "<trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\"><security><requestedPrivileges>"
              "<requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>"
              "</requestedPrivileges></security></trustInfo>"
              "</assembly>");
}
