// A dial profile made from nothing in the web console: the setup dialog, the profile sheet, a new
// line with its modem made from the connection page, then started, seen active, and changed.
import { test } from "node:test";
import assert from "node:assert/strict";
import { consoleSessions } from "./support.mjs";
import {
  cell, loggedCommands, menuEntries, menuEntry, openConsole, openFolderInTree, pluginDialog,
  rightClick, row, statusText, typeInto, waitForCell,
} from "./console_page.mjs";

const session = consoleSessions();

async function sheetTab(page, name) {
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await pluginDialog(page).getByRole("tab", { name, exact: true }).click();
  await settled;
}

async function press(page, name) {
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await pluginDialog(page).getByRole("button", { name, exact: true }).click();
  await settled;
}

// The page redraws a dialog after the console answers; a check waits for the redrawn picture.
async function eventually(check, what) {
  const until = Date.now() + 30000;
  while (!(await check())) {
    if (Date.now() > until) throw new Error(`never true: ${what}`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}

async function choose(page, label, option) {
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await pluginDialog(page).getByLabel(label, { exact: true }).selectOption({ label: option });
  await settled;
}

test("a dial profile is set up with a new line and modem, started, seen active and changed", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  await openFolderInTree(page, "NPF");

  // The folder's New menu in the tree opens the setup dialog; a switched PPP dial profile on one
  // line is what it proposes.
  await page.getByRole("treeitem", { name: "Originator Connection Profiles", exact: true })
    .locator(".tree-row").first().click({ button: "right" });
  assert.ok((await menuEntries(page)).some((entry) => entry.text === "New Profile..."));
  await menuEntry(page, "New Profile...").click();
  const setup = pluginDialog(page);
  await setup.waitFor();
  assert.equal(await setup.locator("header").textContent(), "New Point-to-Point Profile on Demo");
  assert.equal(await setup.getByRole("radio", { name: "PPP", exact: true }).isChecked(), true);
  assert.equal(await setup.getByRole("radio", { name: "Switched line", exact: true }).isChecked(), true);
  await press(page, "OK");

  const sheet = pluginDialog(page);
  await page.waitForFunction(() => {
    const dialogs = document.querySelectorAll("#dialog-layer .plugin-dialog");
    const top = dialogs[dialogs.length - 1];
    return top && top.querySelector('[role="tab"]');
  });
  const tabs = await sheet.getByRole("tab").allTextContents();
  assert.deepEqual(tabs.slice(0, 2), ["General", "Connection"]);
  await typeInto(page, "Name:", "LABDIAL");
  await typeInto(page, "Description:", "Lab dial-out");

  // The connection page: a line that does not exist yet is made from here, on a free port and
  // with a modem of the system.
  await sheetTab(page, "Connection");
  await typeInto(page, "Line name:", "LABLINE");
  await press(page, "New...");
  await page.waitForFunction(() => {
    const dialogs = document.querySelectorAll("#dialog-layer .plugin-dialog");
    const top = dialogs[dialogs.length - 1];
    return top && top.querySelector("header").textContent.includes("Line");
  });
  const lineSheet = pluginDialog(page);
  assert.equal(await lineSheet.getByLabel("Name:", { exact: true }).inputValue(), "LABLINE");
  const ports = await lineSheet.getByLabel("Port:", { exact: true }).locator("option").allTextContents();
  const port = ports.find((text) => text !== "");
  assert.ok(port, `the demo system offers a free port: ${ports.join(",")}`);
  await choose(page, "Port:", port);
  await sheetTab(page, "Modem");
  await choose(page, "Modem:", "ACME 56K V.90");
  await press(page, "OK");
  await page.waitForFunction(() => {
    const dialogs = document.querySelectorAll("#dialog-layer .plugin-dialog");
    return dialogs.length === 1;
  });
  await eventually(async () => (await sheet.getByLabel("Line name:", { exact: true }).inputValue()) === "LABLINE"
    && !(await sheet.getByRole("button", { name: "New...", exact: true }).isEnabled()), "the new line is chosen on the page");

  // A number to dial, typed into the row the Add button opens for editing.
  await press(page, "Add");
  await typeInto(page, "Row 1 of Remote telephone numbers", "5550123");
  await eventually(async () => (await sheet.locator("table").first().textContent()).includes("5550123"), "the number is listed");
  await press(page, "OK");
  await sheet.waitFor({ state: "detached" });

  const commands = await loggedCommands(page);
  assert.ok(commands.some((command) => command.startsWith("QSYS/CRTLINPPP LIND(LABLINE) RSRCNAME(" + port)), commands.join("\n"));
  await row(page, "Labdial").waitFor();
  assert.equal(await cell(page, "Labdial", "Description"), "Lab dial-out");
  assert.equal(await cell(page, "Labdial", "Status"), "Inactive");

  // Started from its menu, it walks to active on the stand-in's clock.
  await row(page, "Labdial").locator("td").first().click();
  await rightClick(page, "Labdial");
  await menuEntry(page, "Start").click();
  await statusText(page, "1 of 1 profiles started.");
  await waitForCell(page, "Labdial", "Status", (text) => text === "Active");
  const started = await loggedCommands(page);
  assert.ok(started.includes("QSYS/STRTCPPTP CFGPRF('LABDIAL') OUTPUT(*ERROR)"), started.join("\n"));

  // Properties of the running profile show it; once stopped, its description is changed.
  await rightClick(page, "Labdial");
  await menuEntry(page, "Stop").click();
  await waitForCell(page, "Labdial", "Status", (text) => text === "Inactive");
  await rightClick(page, "Labdial");
  await menuEntry(page, "Properties").click();
  const properties = pluginDialog(page);
  await properties.waitFor();
  assert.equal(await properties.getByLabel("Description:", { exact: true }).inputValue(), "Lab dial-out");
  await typeInto(page, "Description:", "Lab dial-out, second modem");
  await press(page, "OK");
  await properties.waitFor({ state: "detached" });
  await waitForCell(page, "Labdial", "Description", (text) => text === "Lab dial-out, second modem");
  assert.deepEqual(problems, []);
});
