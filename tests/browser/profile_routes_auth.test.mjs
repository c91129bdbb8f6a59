// A dial profile made in the web console with a route of its own and the name its remote system
// identifies itself with; both reach the server, as ptpctl then reads them from the same state.
import { test } from "node:test";
import assert from "node:assert/strict";
import { consoleSessions, ptpctl } from "./support.mjs";
import {
  loggedCommands, menuEntry, openConsole, openFolderInTree, pluginDialog, row, typeInto,
} from "./console_page.mjs";

const session = consoleSessions();

async function settle(page, action) {
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await action();
  await settled;
}

async function press(page, name) {
  await settle(page, () => pluginDialog(page).getByRole("button", { name, exact: true }).click());
}

// Waits until the dialog on top has the caption `caption` (a part of it).
async function dialogOnTop(page, caption) {
  await page.waitForFunction((wanted) => {
    const dialogs = document.querySelectorAll("#dialog-layer .plugin-dialog");
    const top = dialogs[dialogs.length - 1];
    return top && top.querySelector("header").textContent.includes(wanted);
  }, caption);
}

function objects(console, kind, name) {
  const lines = ptpctl(console, "objects", kind, ...(name ? [name] : [])).trim().split("\n");
  return lines.filter((line) => line).map((line) => JSON.parse(line));
}

test("a dial profile gets a route and its remote system's name, and the server keeps both", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  await openFolderInTree(page, "NPF");
  await page.getByRole("treeitem", { name: "Originator Connection Profiles", exact: true })
    .locator(".tree-row").first().click({ button: "right" });
  await menuEntry(page, "New Profile...").click();
  await pluginDialog(page).waitFor();
  await press(page, "OK");
  await page.waitForFunction(() => {
    const dialogs = document.querySelectorAll("#dialog-layer .plugin-dialog");
    const top = dialogs[dialogs.length - 1];
    return top && top.querySelector('[role="tab"]');
  });
  const sheet = pluginDialog(page);
  const tabs = await sheet.getByRole("tab").allTextContents();
  assert.deepEqual(tabs, ["General", "Connection", "Authentication", "TCP/IP Settings", "DNS", "Other"]);
  await typeInto(page, "Name:", "BRANCHRT");

  // A line of the demo system and a number to dial.
  await settle(page, () => sheet.getByRole("tab", { name: "Connection", exact: true }).click());
  await typeInto(page, "Line name:", "PPPLIN04");
  await press(page, "Add");
  await typeInto(page, "Row 1 of Remote telephone numbers", "5550188");

  // The remote system must give its name.
  await settle(page, () => sheet.getByRole("tab", { name: "Authentication", exact: true }).click());
  await settle(page, () => sheet.getByRole("checkbox", { name: "The remote system must identify itself", exact: true }).check());
  await press(page, "Settings...");
  await dialogOnTop(page, "Remote System Identification");
  await typeInto(page, "Remote system name:", "branch1");
  await press(page, "OK");
  await dialogOnTop(page, "Point-to-Point Profile");

  // The profile's own route list, with one network behind the branch.
  await settle(page, () => sheet.getByRole("tab", { name: "TCP/IP Settings", exact: true }).click());
  await settle(page, () => sheet.getByRole("radio", { name: "Use the profile's own route list", exact: true }).check());
  await press(page, "Routes...");
  await dialogOnTop(page, "Routes");
  await press(page, "Add...");
  await dialogOnTop(page, "Add Route");
  await typeInto(page, "Destination:", "10.20.0.0");
  await typeInto(page, "Subnet mask:", "255.255.0.0");
  await press(page, "OK");
  await dialogOnTop(page, "Routes");
  assert.match(await pluginDialog(page).locator("table").first().textContent(), /10\.20\.0\.0/);
  await press(page, "OK");
  await dialogOnTop(page, "Point-to-Point Profile");
  await press(page, "OK");
  await sheet.waitFor({ state: "detached" });
  await row(page, "Branchrt").waitFor();

  const routes = objects(console, "Route").filter((route) => route.attributes["14"] === "BRANCHRT");
  assert.deepEqual(routes.map((route) => [route.attributes["3"], route.attributes["1"]]), [["10.20.0.0", "255.255.0.0"]]);
  const [profile] = objects(console, "Profile", "BRANCHRT");
  assert.equal(profile.attributes["55"], "2", "the route list is the profile's routing");
  assert.equal(profile.attributes["30"], "1");
  assert.equal(profile.attributes["32"], "BRANCH1");
  assert.ok(!(await loggedCommands(page)).some((command) => command.startsWith("RMVTCPRTE")));
  assert.deepEqual(problems, []);
});
