#include "PageRenderer.h"

#include <string_view>

namespace {

std::string Quoted(std::string_view text)
{
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

std::string PageHead(std::string_view title)
{
    return "<html>\n<head>\n<title>" + std::string(title) +
           "</title>\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
           "<meta http-equiv=\"Pragma\" content=\"no-cache\">\n"
           "<link rel=\"stylesheet\" href=\"css/screen.css\" type=\"text/css\">\n"
           "<script src=\"js/common.js\"></script>\n"
           "<script src=\"js/menu.js\"></script>\n";
}

std::string TableRow(std::string_view label, std::string_view cellId)
{
    return "      <tr>\n        <td width=\"160\" class=\"item\">" + std::string(label) +
           "</td>\n        <td id=\"" + std::string(cellId) + "\">&nbsp;</td>\n      </tr>\n";
}

std::string StatusScript()
{
    return "var conTypeNames = new Array(\"\", \"Static IP\", \"Dynamic IP\", \"PPPoE\", \"L2TP\", \"PPTP\", "
           "\"802.1x\");\n"
           "var linkNames = new Array(\"Disconnected\", \"Connecting\", \"Connected\");\n"
           "function init(f)\n{\n"
           "    document.getElementById(\"conType\").innerHTML = conTypeNames[conTypeIdx];\n"
           "    document.getElementById(\"linkState\").innerHTML = linkNames[cableDSL];\n"
           "    document.getElementById(\"wanAddr\").innerHTML = wanIP;\n"
           "    document.getElementById(\"wanMask\").innerHTML = subMask;\n"
           "    document.getElementById(\"wanGw\").innerHTML = gateWay;\n"
           "    document.getElementById(\"wanMacCell\").innerHTML = wan_mac;\n"
           "}\n"
           "function connectWan(f)\n{\n"
           "    f.CMD.value = \"WAN_CON\";\n    f.submit();\n}\n"
           "function disconnectWan(f)\n{\n"
           "    f.CMD.value = \"WAN_DISCON\";\n    f.submit();\n}\n";
}

std::string StatusBody()
{
    return "<body onLoad=\"init(document.frmSetup);\">\n"
           "<form name=\"frmSetup\" method=\"POST\" action=\"/goform/SysStatusHandle\">\n"
           "<input type=\"hidden\" name=\"CMD\" value=\"\">\n"
           "<input type=\"hidden\" name=\"GO\" value=\"system_status.asp\">\n"
           "<input type=\"hidden\" name=\"action\" value=\"1\">\n"
           "<table width=\"560\" border=\"0\" cellpadding=\"2\" cellspacing=\"1\" class=\"content1\">\n"
           "  <tr><td colspan=\"2\" class=\"title\">WAN Status</td></tr>\n" +
           TableRow("Connection Status", "linkState") + TableRow("Connection Type", "conType") +
           TableRow("WAN IP", "wanAddr") + TableRow("Subnet Mask", "wanMask") +
           TableRow("Default Gateway", "wanGw") + TableRow("MAC Address", "wanMacCell") +
           "  <tr><td colspan=\"2\" align=\"center\">\n"
           "    <input type=\"button\" class=\"button\" value=\"Connect\" onClick=\"connectWan(document.frmSetup);\">\n"
           "    <input type=\"button\" class=\"button\" value=\"Disconnect\" "
           "onClick=\"disconnectWan(document.frmSetup);\">\n"
           "  </td></tr>\n</table>\n</form>\n</body>\n</html>\n";
}

std::string MacCloneScript()
{
    return "function cloneMac(f)\n{\n    f.WMAC.value = cln_MAC;\n    f.cloneEn.value = \"1\";\n}\n"
           "function restoreMac(f)\n{\n    f.WMAC.value = fac_MAC;\n    f.cloneEn.value = \"0\";\n}\n"
           "function init(f)\n{\n    f.WMAC.value = def_MAC;\n}\n";
}

std::string MacCloneHelp()
{
    return "<table width=\"560\" border=\"0\" class=\"help\">\n"
           "  <tr><td class=\"title\">Help</td></tr>\n"
           "  <tr><td>Some Internet service providers register the MAC address of the computer that was first\n"
           "  connected to the modem and accept only that address afterwards. If you used to connect that\n"
           "  computer directly, press \"Clone MAC\" to give the router's WAN port the address of the\n"
           "  computer you are using now, then press \"Save\".</td></tr>\n"
           "  <tr><td>\"Restore\" puts the factory address back on the WAN port. The router restarts after\n"
           "  saving so that the new address takes effect; this takes about thirty seconds, during which\n"
           "  the management pages cannot be reached.</td></tr>\n"
           "</table>\n";
}

std::string MacCloneBody()
{
    return "<body onLoad=\"init(document.frmSetup);\">\n"
           "<form name=\"frmSetup\" method=\"POST\" action=\"/goform/AdvSetMacClone\">\n"
           "<input type=\"hidden\" name=\"GO\" value=\"mac_clone.asp\">\n"
           "<input type=\"hidden\" name=\"rebootTag\" value=\"\">\n"
           "<input type=\"hidden\" name=\"cloneEn\" value=\"0\">\n"
           "<table width=\"560\" border=\"0\" cellpadding=\"2\" cellspacing=\"1\" class=\"content1\">\n"
           "  <tr><td colspan=\"2\" class=\"title\">MAC Address Clone</td></tr>\n"
           "  <tr>\n    <td width=\"160\" class=\"item\">MAC Address</td>\n"
           "    <td><input class=\"text\" name=\"WMAC\" size=\"17\" maxlength=\"17\"></td>\n  </tr>\n"
           "  <tr><td colspan=\"2\" align=\"center\">\n"
           "    <input type=\"button\" class=\"button\" value=\"Clone MAC\" onClick=\"cloneMac(document.frmSetup);\">\n"
           "    <input type=\"button\" class=\"button\" value=\"Restore\" onClick=\"restoreMac(document.frmSetup);\">\n"
           "    <input type=\"submit\" class=\"button\" value=\"Save\">\n"
           "  </td></tr>\n</table>\n</form>\n" + MacCloneHelp() + "</body>\n</html>\n";
}

} // namespace

PageRenderer::PageRenderer(const EmulatorConfig& config) : config_(config) {}

std::string PageRenderer::MainPage() const
{
    return PageHead("Wireless Router") +
           "</head>\n"
           "<frameset rows=\"86,*\" frameborder=\"0\" border=\"0\" framespacing=\"0\">\n"
           "  <frame src=\"top.html\" name=\"topFrame\" scrolling=\"no\" noresize>\n"
           "  <frameset cols=\"180,*\" frameborder=\"0\" border=\"0\">\n"
           "    <frame src=\"menu.html\" name=\"menuFrame\" scrolling=\"auto\" noresize>\n"
           "    <frame src=\"system_status.asp\" name=\"mainFrame\" scrolling=\"auto\">\n"
           "  </frameset>\n"
           "</frameset>\n"
           "<noframes><body>This page needs a browser that shows frames.</body></noframes>\n"
           "</html>\n";
}

std::string PageRenderer::SystemStatusPage(const RouterSnapshot& state) const
{
    return PageHead("System Status") + "<script>\n" +
           "var cableDSL=" + Quoted(std::to_string(static_cast<int>(state.link))) + ";\n" +
           "var conTypeIdx=" + Quoted(std::to_string(state.wanType)) + ";\n" +
           "var wanIP = " + Quoted(state.wanAddress) + ";\n" +
           "var subMask=" + Quoted(state.wanMask) + ";\n" +
           "var gateWay=" + Quoted(state.wanGateway) + ";\n" +
           "var wan_mac=" + Quoted(state.wanMac) + ";\n" + StatusScript() + "</script>\n</head>\n" + StatusBody();
}

std::string PageRenderer::MacClonePage(const RouterSnapshot& state) const
{
    return PageHead("MAC Address Clone") + "<script>\n" +
           "var cln_MAC = " + Quoted(config_.cloneMac) + ";\n" +
           "var def_MAC = " + Quoted(state.wanMac) + ";\n" +
           "var fac_MAC = " + Quoted(config_.factoryMac) + ";\n" +
           "var cloneEn=" + Quoted(state.cloneEnabled ? "1" : "0") + ";\n" + MacCloneScript() +
           "</script>\n</head>\n" + MacCloneBody();
}

std::string PageRenderer::UnauthorizedPage() const
{
    return "<html><head><title>401 Unauthorized</title></head>\n"
           "<body><h2>HTTP/1.1 401 Unauthorized</h2>\n"
           "<p>This server could not verify that you are authorized to access the document requested.</p>\n"
           "</body></html>\n";
}

std::string PageRenderer::ErrorPage(int status, const std::string& reason) const
{
    const std::string title = std::to_string(status) + " " + reason;
    return "<html><head><title>" + title + "</title></head>\n<body><h2>" + title + "</h2></body></html>\n";
}
