// Every field of every page typed as a person types: clicks, keys, blanks,
// Backspace, Delete, Ctrl+A and paste, then Next. Each case checks the
// record the page hands the router and, after the save, the form fields
// the router received. A page field no table types into fails the suite.
#include "WizardRun.h"

#include "CDlgMessageBox.h"
#include "CMacCloneDlg.h"
#include "CPPOESetDlg.h"
#include "CPPTPSettingDlg.h"
#include "CStaticIpDlg.h"
#include "CWirelessSettingDlg.h"
#include "PageFlow.h"
#include "PersonTyping.h"
#include "SecurityView.h"
#include "UserMessage.h"

#include <QTest>

#include <map>
#include <string>

namespace {

constexpr int kDynamicChoice = 1147;
constexpr int kStaticChoice = 1151;
constexpr int kPppoeChoice = 1149;
constexpr int kPptpChoice = 1148;

using Fields = std::map<std::string, std::string>;

struct TypingCase {
    const char* name;
    Typing typing;
    const char* warning; // empty: accepted
    Fields record;       // the page's record after Next
    Fields form;         // what the router received after the save: "wan.", "wireless.", "security.", "mac."
};

struct PageTable {
    const char* name;
    int page;
    Fields (*record)(const WizardData&);
    std::vector<TypingCase> cases;
};

Fields StaticIpRecord(const WizardData& data)
{
    const StaticIpInfo& r = data.staticIpInfo;
    return {{"ip", r.ipAddress}, {"mask", r.subnetMask}, {"gateway", r.gateway}, {"dns1", r.dns1}, {"dns2", r.dns2}};
}

Fields PptpRecord(const WizardData& data)
{
    const PptpInfo& r = data.pptpInfo;
    return {{"server", r.serverAddress}, {"user", r.userName},   {"password", r.password},
            {"mode", std::to_string(r.addressMode)}, {"ip", r.wanIp}, {"mask", r.wanMask},
            {"gateway", r.wanGateway}};
}

Fields PppoeRecord(const WizardData& data)
{
    return {{"user", data.pppoeInfo.userName}, {"password", data.pppoeInfo.password}};
}

Fields MacRecord(const WizardData& data)
{
    return {{"wanMac", data.macInfo.wanMac}};
}

Fields WirelessRecord(const WizardData& data)
{
    return {{"ssid", data.wirelessInfo.ssid}};
}

Fields SecurityRecord(const WizardData& data)
{
    const SecurityInfo& r = data.securityInfo;
    return {{"mode", std::to_string(r.securityMode)}, {"wepKey", r.wepKey}, {"passphrase", r.passphrase},
            {"renewal", std::to_string(r.keyRenewalInterval)}};
}

Typing Concat(std::initializer_list<Typing> parts)
{
    Typing all;
    for (const Typing& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Typing Repeat(const TypingStep& step, int times)
{
    return Typing(static_cast<std::size_t>(times), step);
}

// The three addresses that once reached the router mangled, each typed after
// a click into a field that shows 0.
const Fields kTypedStatic = {{"ip", "192.168.0.10"}, {"mask", "255.255.255.0"}, {"gateway", "203.0.113.10"},
                             {"dns1", "203.0.113.10"}, {"dns2", "0.0.0.0"}};

PageTable StaticIpTable()
{
    using D = CStaticIpDlg;
    const Fields form = {{"wan.WANIP", "100.64.20.5"}, {"wan.WANMSK", "255.255.255.0"},
                         {"wan.WANGW", "100.64.20.1"}, {"wan.DNS1", "8.8.8.8"}, {"wan.DNS2", "8.8.4.4"}};
    const Fields record = {{"ip", "100.64.20.5"}, {"mask", "255.255.255.0"}, {"gateway", "100.64.20.1"},
                           {"dns1", "8.8.8.8"}, {"dns2", "8.8.4.4"}};
    return {"StaticIp", PageStaticIp, StaticIpRecord, {
        {"ClickedThenTypedWithDots",
         {Click(D::kIpAddressEntry), Type("192.168.0.10"), Click(D::kSubnetMaskEntry), Type("255.255.255.0"),
          Click(D::kGatewayEntry), Type("203.0.113.10"), Click(D::kPrimaryDnsEntry), Type("203.0.113.10")},
         "", kTypedStatic, {{"wan.WANIP", "192.168.0.10"}, {"wan.WANMSK", "255.255.255.0"}}},
        {"TabbedFromFieldToField",
         {Click(D::kIpAddressEntry), Type("100.64.20.5"), Press(Qt::Key_Tab), Type("255.255.255.0"),
          Press(Qt::Key_Tab), Type("100.64.20.1"), Press(Qt::Key_Tab), Type("8.8.8.8"), Press(Qt::Key_Tab),
          Type("8.8.4.4")},
         "", record, form},
        {"TypedWithoutDots",
         {Click(D::kIpAddressEntry), Type("100064020005"), Click(D::kSubnetMaskEntry), Type("255255255000"),
          Click(D::kGatewayEntry), Type("100064020001"), Click(D::kPrimaryDnsEntry), Type("008008008008"),
          Click(D::kSecondaryDnsEntry), Type("008008004004")},
         "", record, {}},
        {"BlanksBetweenOctets",
         {Click(D::kIpAddressEntry), Type("100 64 20 5"), Click(D::kSubnetMaskEntry), Type("255 255 255 0"),
          Click(D::kGatewayEntry), Type("100 64 20 1"), Click(D::kPrimaryDnsEntry), Type("8 8 8 8"),
          Click(D::kSecondaryDnsEntry), Type("8 8 4 4")},
         "", record, {}},
        {"PastedIntoAnyOctet",
         {Click(D::kIpAddressEntry, 2), Paste("100.64.20.5"), Click(D::kSubnetMaskEntry, 3),
          Paste(" 255.255.255.0\n"), Click(D::kGatewayEntry, 1), Paste("100.64.20.1"),
          Click(D::kPrimaryDnsEntry), Paste("8.8.8.8"), Click(D::kSecondaryDnsEntry), Paste("8.8.4.4")},
         "", record, form},
        {"SelectAllAndOvertype",
         Concat({{Click(D::kIpAddressEntry), Type("1.2.3.4"), SelectAll(), Type("100.64.20.5")},
                 {Click(D::kSubnetMaskEntry), Type("255.0.0.0"), SelectAll(), Press(Qt::Key_Delete),
                  Type("255.255.255.0")},
                 {Click(D::kGatewayEntry), Type("100.64.20.1"), Click(D::kPrimaryDnsEntry), Type("8.8.8.8"),
                  Click(D::kSecondaryDnsEntry), Type("8.8.4.4")}}),
         "", record, {}},
        {"BackspaceHomeEndAcrossOctets",
         Concat({{Click(D::kIpAddressEntry), Type("100.65.")}, Repeat(Press(Qt::Key_Backspace), 3), {Type("4.20.5")},
                 {Click(D::kSubnetMaskEntry), Type("255.255.255.0")},
                 {Click(D::kGatewayEntry), Type("1.64.20.9"), Press(Qt::Key_Home), Press(Qt::Key_Delete),
                  Type("100"), Press(Qt::Key_End), Press(Qt::Key_Backspace), Type("1")},
                 {Click(D::kPrimaryDnsEntry), Type("8.8.8.8"), Click(D::kSecondaryDnsEntry), Type("8.8.4.4")}}),
         "", record, {}},
        {"SelectedAsInALineEditAndRetyped",
         Concat({{Click(D::kIpAddressEntry, 1), Type("1.2.3.4"), Press(Qt::Key_End),
                  Press(Qt::Key_Home, Qt::ShiftModifier), Type("100.64.20.5")},
                 {Click(D::kSubnetMaskEntry, 2), Type("255.0.0.0"), Press(Qt::Key_Home),
                  Press(Qt::Key_End, Qt::ShiftModifier), Press(Qt::Key_Backspace), Type("255.255.255.0")},
                 {Click(D::kGatewayEntry), Type("9.9.9.9"), Press(Qt::Key_Home), Press(Qt::Key_Right)},
                 Repeat(Press(Qt::Key_Right, Qt::ShiftModifier), 7),
                 {Type("100.64.20.1"), Click(D::kPrimaryDnsEntry), Type("8.8.8.8"), Click(D::kSecondaryDnsEntry),
                  Type("8.8.4.4")}}),
         "", record, form},
        {"LeadingZerosAndValuesAbove255",
         {Click(D::kIpAddressEntry), Type("100.064.020.005"), Click(D::kSubnetMaskEntry), Type("256.256.255.0"),
          Click(D::kGatewayEntry), Type("100.64.20.01"), Click(D::kPrimaryDnsEntry), Type("8.8.8.8"),
          Click(D::kSecondaryDnsEntry), Type("8.8.4.4")},
         "", record, {}},
        {"MaskWithAHoleIsRefused",
         {Click(D::kIpAddressEntry), Type("100.64.20.5"), Click(D::kSubnetMaskEntry), Type("255.255.0.255"),
          Click(D::kGatewayEntry), Type("100.64.20.1"), Click(D::kPrimaryDnsEntry), Type("8.8.8.8")},
         "Subnet mask invalid", {}, {}},
    }};
}

PageTable PptpTable()
{
    using D = CPPTPSettingDlg;
    // From the password, Tab reaches the mode list; Up picks Static.
    const Typing chooseStatic = {Click(D::kPasswordEdit), Press(Qt::Key_Tab), Press(Qt::Key_Up)};
    return {"Pptp", PagePptp, PptpRecord, {
        {"DynamicTunnel",
         {Click(D::kServerEntry), Type("203.0.113.10"), Click(D::kAccountEdit), Type("tunnel user"),
          Click(D::kPasswordEdit), Type("p&ss")},
         "", {{"server", "203.0.113.10"}, {"user", "tunnel user"}, {"password", "p%26ss"}, {"mode", "1"}},
         {{"wan.pptpIP", "203.0.113.10"}, {"wan.pptpPUN", "tunnel user"}, {"wan.pptpPPW", "p&ss"}}},
        {"StaticWanTypedEveryWay",
         Concat({{Click(D::kServerEntry, 3), Paste("10.0.0.138"), Click(D::kAccountEdit), Type("user"),
                  Click(D::kPasswordEdit), Type("secret")},
                 chooseStatic,
                 {Click(D::kWanIpEntry), Type("100.64.20.5"), Click(D::kWanMaskEntry), Type("255255255000"),
                  Click(D::kWanGatewayEntry), Type("100 64 20 1")}}),
         "",
         {{"server", "10.0.0.138"}, {"mode", "0"}, {"ip", "100.64.20.5"}, {"mask", "255.255.255.0"},
          {"gateway", "100.64.20.1"}},
         {{"wan.pptpIP", "10.0.0.138"}, {"wan.pptpWANIP", "100.64.20.5"}, {"wan.pptpWANMSK", "255.255.255.0"},
          {"wan.pptpWANGW", "100.64.20.1"}}},
        {"ServerLeftAtZeroIsRefused",
         {Click(D::kServerEntry), Press(Qt::Key_Delete), Click(D::kAccountEdit), Type("user"),
          Click(D::kPasswordEdit), Type("secret")},
         "Server IP address invalid", {}, {}},
    }};
}

PageTable PppoeTable()
{
    using D = CPPOESetDlg;
    return {"Pppoe", PagePppoe, PppoeRecord, {
        {"BlanksAndPunctuation",
         {Click(D::kAccountEdit), Type("isp user@example"), Click(D::kPasswordEdit), Type("pa ss&word")},
         "", {{"user", "isp user@example"}, {"password", "pa ss%26word"}},
         {{"wan.PUN", "isp user@example"}, {"wan.PPW", "pa ss&word"}}},
        {"MendedWithArrowsAndDelete",
         Concat({{Click(D::kAccountEdit), Type("isp-uXser")}, Repeat(Press(Qt::Key_Left), 4),
                 {Press(Qt::Key_Delete), Click(D::kPasswordEdit), Type("secretX"), Press(Qt::Key_Backspace)}}),
         "", {{"user", "isp-user"}, {"password", "secret"}}, {}},
    }};
}

PageTable MacCloneTable()
{
    using D = CMacCloneDlg;
    return {"MacClone", PageMacClone, MacRecord, {
        {"LowerCaseOvertyped",
         {Click(D::kMacEdit), SelectAll(), Type("00:1a:2b:3c:4d:5e")},
         "", {{"wanMac", "00:1a:2b:3c:4d:5e"}}, {{"mac.WMAC", "00:1a:2b:3c:4d:5e"}}},
        {"LigatureThatUpperCasesToTwoLettersIsRefused",
         {Click(D::kMacEdit), SelectAll(), Type(QStringLiteral("00:1a:2b:3c:4d:\uFB00"))},
         "Mac address invalid", {}, {}},
    }};
}

PageTable WirelessTable()
{
    using D = CWirelessSettingDlg;
    return {"Wireless", PageWireless, WirelessRecord, {
        {"NameWithBlanks",
         {Click(D::kSsidEdit), SelectAll(), Type("my home net")},
         "", {{"ssid", "my home net"}}, {{"wireless.ssid", "my home net"}}},
    }};
}

PageTable SecurityTable()
{
    // The page opens on its mode list: Disable, WEP, WPA, WPA2.
    const Typing wpa2 = Repeat(Press(Qt::Key_Down), 3);
    return {"Security", PageSecurity, SecurityRecord, {
        {"Wpa2WithRenewalTimeAfterABlank",
         Concat({wpa2, {Click(PassphraseField), Type("secretpass1"), Click(RenewalTimeField), SelectAll(),
                        Type(" 600")}}),
         "", {{"mode", "3"}, {"passphrase", "secretpass1"}, {"renewal", "600"}},
         {{"security.passphrase", "secretpass1"}, {"security.keyRenewalInterval", "600"}}},
        {"PassphraseWithPunctuationIsRefused",
         Concat({wpa2, {Click(PassphraseField), Type("pass-word!")}}), "WPA Key Invalid", {}, {}},
        {"WepKeyTyped",
         {Press(Qt::Key_Down), Click(WepKeyField), Type("abcde")},
         "", {{"mode", "1"}, {"wepKey", "abcde"}}, {{"security.wep_key_1", "abcde"}}},
    }};
}

const std::vector<PageTable>& Tables()
{
    static const std::vector<PageTable> tables = {StaticIpTable(), PptpTable(),     PppoeTable(),
                                                  MacCloneTable(), WirelessTable(), SecurityTable()};
    return tables;
}

struct CaseRef {
    std::size_t table;
    std::size_t index;
};

std::vector<CaseRef> AllCases()
{
    std::vector<CaseRef> all;
    for (std::size_t t = 0; t < Tables().size(); ++t) {
        for (std::size_t i = 0; i < Tables()[t].cases.size(); ++i)
            all.push_back({t, i});
    }
    return all;
}

std::string RouterValue(const RouterSnapshot& router, const std::string& key)
{
    const std::size_t dot = key.find('.');
    const std::string group = key.substr(0, dot);
    const std::string field = key.substr(dot + 1);
    if (group == "wan")
        return router.wanFields.Get(field);
    if (group == "wireless")
        return router.wireless.Get(field);
    if (group == "security")
        return router.security.Get(field);
    return router.wanMac;
}

} // namespace

class TypedPage : public WizardRun {
protected:
    void Start()
    {
        StartWizard({{QStringLiteral("Show All Connection Types"), QStringLiteral("1")}});
        GoToConnectionTypePage();
    }

    // Keys go to the focused field of the active window, as on a desktop;
    // a progress dialog or message box in between took the activation.
    void Activate()
    {
        frame_->activateWindow();
        QTRY_VERIFY(frame_->isActiveWindow());
    }

    // The page as a person reaches it, with the focus where the page puts it.
    void OpenPage(int page)
    {
        const std::map<int, int> choices = {
            {PagePppoe, kPppoeChoice}, {PageStaticIp, kStaticChoice}, {PagePptp, kPptpChoice}};
        const auto choice = choices.find(page);
        ClickOnPage(PageConnectionType, choice != choices.end() ? choice->second : kDynamicChoice);
        while (frame_->PageIndex() < page && frame_->PageIndex() != PageResult) {
            FillWirelessName();
            ClickNext();
        }
        ASSERT_EQ(frame_->PageIndex(), page);
        Activate();
    }

    void FillWirelessName()
    {
        if (frame_->PageIndex() != PageWireless || !TextOf(PageWireless, CWirelessSettingDlg::kSsidEdit).isEmpty())
            return;
        Activate();
        PerformTyping(Page(PageWireless), {Click(CWirelessSettingDlg::kSsidEdit), Type("corvane-typing")});
    }

    void SaveFromHere()
    {
        for (int step = 0; step < 4 && frame_->PageIndex() != PageResult; ++step) {
            FillWirelessName();
            ClickNext();
        }
        ASSERT_EQ(frame_->PageIndex(), PageResult);
    }
};

class PageTyping : public TypedPage, public ::testing::WithParamInterface<CaseRef> {};

TEST_P(PageTyping, TheRouterGetsWhatWasTyped)
{
    const PageTable& table = Tables()[GetParam().table];
    const TypingCase& each = table.cases[GetParam().index];
    Start();
    OpenPage(table.page);
    PerformTyping(Page(table.page), each.typing);
    if (*each.warning)
        CDlgMessageBox::SetNextAnswer(AnswerOk);
    ClickNext();

    const std::vector<QString> messages = TakeMessages();
    if (*each.warning) {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].endsWith(u'|' + QString::fromLatin1(each.warning))) << messages[0].toStdString();
        EXPECT_EQ(frame_->PageIndex(), table.page);
        return;
    }
    EXPECT_TRUE(messages.empty()) << messages.front().toStdString();
    ASSERT_NE(frame_->PageIndex(), table.page);
    const Fields record = table.record(data_);
    for (const auto& [field, value] : each.record)
        EXPECT_EQ(record.at(field), value) << field;
    if (each.form.empty())
        return;
    SaveFromHere();
    const RouterSnapshot router = emulator_->State();
    for (const auto& [field, value] : each.form)
        EXPECT_EQ(RouterValue(router, field), value) << field;
}

INSTANTIATE_TEST_SUITE_P(Typed, PageTyping, ::testing::ValuesIn(AllCases()),
                         [](const ::testing::TestParamInfo<CaseRef>& info) {
                             const PageTable& table = Tables()[info.param.table];
                             return std::string(table.name) + "_" + table.cases[info.param.index].name;
                         });

// A field added to a page without a typing table fails here.
TEST_F(TypedPage, EveryTypedFieldOfEveryPageHasATable)
{
    StartWizard();
    std::map<int, std::set<int>> covered;
    for (const PageTable& table : Tables()) {
        for (const TypingCase& each : table.cases) {
            const std::set<int> fields = FieldsTyped(each.typing);
            covered[table.page].insert(fields.begin(), fields.end());
        }
    }
    for (int page = 0; page < frame_->Pages().Count(); ++page) {
        for (const int field : TypedFieldsOf(Page(page)))
            EXPECT_TRUE(covered[page].count(field)) << "page " << page << " field " << field << " has no typing table";
    }
}
