// Group access policies and the remote access services in the web console on the demo system:
// what the administrator does in the sheets, checked through ptpctl against what the server holds.
import { test } from "node:test";
import assert from "node:assert/strict";
import { consoleSessions, ptpctl } from "./support.mjs";
import {
  answer, menuEntries, menuEntry, messageBox, openConsole, pluginDialog, row, rowNames, typeInto,
} from "./console_page.mjs";

const session = consoleSessions();

// Does something in the open dialog and waits until the console has sent it to the plug-in.
async function act(page, action) {
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await action();
  await settled;
}

// One of the plug-in's dialogs by its class, so that waiting for it to close does not wait for the
// sheet under it.
function namedDialog(page, className) {
  return page.locator(`#dialog-layer .plugin-dialog[data-name="${className}"]`);
}

async function openFolderMenu(page, treeName) {
  await page.getByRole("treeitem", { name: treeName, exact: true }).locator(".tree-row").first().click({ button: "right" });
  return menuEntries(page);
}

test("a new group access policy is listed and written to the policies file", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console, "#/s/DEMO/f/NGP");
  await row(page, "SALES").waitFor();

  const entries = await openFolderMenu(page, "Group Access Policies");
  assert.deepEqual(entries.map((e) => e.text), ["New Group Access Policy..."]);
  await menuEntry(page, "New Group Access Policy...").click();
  const sheet = pluginDialog(page);
  await sheet.waitFor();
  assert.equal(await sheet.locator("header").textContent(), "New Group Access Policy - DEMO");
  assert.deepEqual(await sheet.getByRole("tab").allTextContents(), ["General", "Multilink", "TCP/IP Settings"]);
  await typeInto(page, "Name:", "REMOTE");
  await typeInto(page, "Description:", "Road warriors");
  await act(page, () => sheet.getByRole("tab", { name: "Multilink" }).click());
  await act(page, () => sheet.getByLabel("Allow multilink").check());
  await typeInto(page, "Maximum number of links:", "3");
  await act(page, () => sheet.getByRole("tab", { name: "TCP/IP Settings" }).click());
  await act(page, () => sheet.getByLabel("Use IP header compression").check());
  await sheet.getByRole("button", { name: "OK", exact: true }).click();
  await sheet.waitFor({ state: "detached" });

  await row(page, "REMOTE").waitFor();
  assert.deepEqual((await rowNames(page)).slice(-1), ["REMOTE"]);
  const file = ptpctl(console, "file", "get", "/QKTL/UserData/NOS50/TCPIP/PPP/grouppolicy.cfg");
  assert.ok(file.includes("GROUPPOLICY=REMOTE MULTILINKENABLE=1 MULTILINKMAXLINKS=3 MULTILINKBACP=0 "
    + "TCPIPFORWARDING=0 TCPVJ=1 TCPUSEFILTER=0 TCPFILTERNAME=*NONE DESCRIPTION=Road warriors \n"), file);
  assert.ok(file.includes("GROUPPOLICY=SALES "), "the other policies stay");
  assert.deepEqual(problems, []);
});

test("Edit Rules in a policy opens the packet rules view on the PPP filters, under the sheet", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console, "#/s/DEMO/f/NGP");
  await row(page, "ADMINS").locator("td").first().dblclick();
  const sheet = pluginDialog(page);
  await sheet.waitFor();
  await act(page, () => sheet.getByRole("tab", { name: "TCP/IP Settings" }).click());
  await sheet.getByRole("button", { name: "Edit Rules..." }).click();
  await page.waitForFunction(() => document.querySelector("#view-title").textContent.startsWith("Packet rules "));
  assert.match(await page.locator("#view-title").textContent(), /PPPFILTERS\.I3P on DEMO$/);
  const rules = page.locator('#view table.list[aria-label="Packet rules"] tbody tr');
  await rules.first().waitFor();
  const kinds = await rules.locator("td:nth-child(2)").allTextContents();
  assert.deepEqual(kinds, ["Comment", "ADDRESS", "Comment", "FILTER", "FILTER"]);
  assert.match(page.url(), /#\/s\/DEMO\/v\/rules\//);
  // The sheet stays open over the view, and closes as it would have.
  await sheet.getByRole("button", { name: "Cancel", exact: true }).click();
  await sheet.waitFor({ state: "detached" });
  assert.deepEqual(problems, []);
});

test("the DHCP WAN client is turned on with a DHCP server, which this system then runs", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console, "#/s/DEMO/f/NPP");
  const entries = await openFolderMenu(page, "Remote Access Services");
  assert.ok(entries.some((e) => e.text === "Remote Access Services Settings..."), JSON.stringify(entries));
  await menuEntry(page, "Remote Access Services Settings...").click();
  // The demo system has no settings yet: the sheet says so and opens with the defaults.
  assert.match((await messageBox(page)).text, /could not be read/);
  await answer(page, "ok");
  const sheet = pluginDialog(page);
  await sheet.waitFor();
  assert.equal(await sheet.locator("header").textContent(), "Remote Access Services - DEMO");

  await act(page, () => sheet.getByRole("tab", { name: "DHCP" }).click());
  await sheet.getByLabel("Remote users get their addresses through the DHCP WAN client").check();
  assert.match((await messageBox(page)).text, /Do you want to continue\?$/);
  await act(page, () => answer(page, "yes"));

  await sheet.getByRole("button", { name: "Select...", exact: true }).click();
  const interfaces = namedDialog(page, "CPointToPointRASDhcpWanClientLocalInterfaceDialog");
  await interfaces.waitFor();
  assert.equal(await interfaces.locator("header").textContent(), "Local Interface");
  const addresses = await interfaces.locator("tbody tr td:first-child").allTextContents();
  assert.deepEqual(addresses, ["10.1.1.1", "10.1.1.100", "192.168.50.1"], "no loopback interface");
  await act(page, () => interfaces.locator("tbody tr").first().locator("td").first().click());
  await interfaces.getByRole("button", { name: "OK", exact: true }).click();
  await interfaces.waitFor({ state: "detached" });

  await sheet.getByRole("button", { name: "Add...", exact: true }).click();
  const entry = namedDialog(page, "CPointToPointRASDHCPServerDialog");
  await entry.waitFor();
  await typeInto(page, "IP address:", "10.1.1.20");
  await entry.getByRole("button", { name: "OK", exact: true }).click();
  await entry.waitFor({ state: "detached" });
  // The first entry is a DHCP server, which does not run on the demo system yet.
  assert.match((await messageBox(page)).text, /The DHCP server is not running on DEMO/);
  await answer(page, "ok");
  assert.match((await messageBox(page)).text, /DHCP server at 10\.1\.1\.20/);
  await answer(page, "no");
  assert.deepEqual(await sheet.locator("tbody tr td:first-child").allTextContents(), ["10.1.1.20"]);
  await sheet.getByRole("button", { name: "OK", exact: true }).click();
  await sheet.waitFor({ state: "detached" });

  const ras = ptpctl(console, "file", "get", "/QKTL/UserData/NOS50/TCPIP/RAS/ras.cfg");
  assert.ok(ras.includes("DHCP_WAN_CLIENT_ENABLED=1 DHCP_WAN_CLIENT_LOCAL_IP_ADDRESS=10.1.1.1 "), ras);
  const servers = ptpctl(console, "file", "get", "/QKTL/UserData/NOS50/TCPIP/RAS/dhcpwanclient.cfg");
  assert.equal(servers, "ADDRESS=10.1.1.20 SERVERTYPE=*SERVER \n");
  const attributes = ptpctl(console, "file", "get", "/QKTL/UserData/NOS50/DHCP/DHCP.ATTRIB");
  assert.equal(attributes.split("\n")[1].split(" ")[0], "*SERVER");
  const jobs = ptpctl(console, "objects", "Job");
  assert.ok(jobs.split("\n").some((line) => line.includes("QTODDHCPS") && line.includes("*ACTIVE")), jobs);
  assert.deepEqual(problems, []);
});
