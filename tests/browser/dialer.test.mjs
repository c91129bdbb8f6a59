// Dial-out to the WDN network set up on the demo system with the dialer wizard, then tested:
// the test dialog shows the new profile connect, phase by phase, on the stand-in's clock.
import { test } from "node:test";
import assert from "node:assert/strict";
import { consoleSessions } from "./support.mjs";
import {
  answer, loggedCommands, menuEntry, messageBox, openConsole, openFolderInTree, pluginDialog,
  typeInto,
} from "./console_page.mjs";

const session = consoleSessions();

async function press(page, name) {
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await pluginDialog(page).getByRole("button", { name, exact: true }).click();
  await settled;
}

// The wizard's page on show: its tab is the selected one.
async function shownPage(page) {
  return pluginDialog(page).locator('[role="tab"][aria-selected="true"]').textContent();
}

// The page redraws the wizard after the console answers; waits for the redrawn page to be `name`.
async function expectPage(page, name) {
  const until = Date.now() + 30000;
  let shown = await shownPage(page);
  while (shown !== name && Date.now() < until) {
    await new Promise((resolve) => setTimeout(resolve, 100));
    shown = await shownPage(page);
  }
  assert.equal(shown, name);
}

test("the dialer wizard sets up dial-out and its test dialog shows the profile connect", async (t) => {
  const { console, page, problems } = await session(t);
  await openConsole(page, console);
  await openFolderInTree(page, "NPF");

  await page.getByRole("treeitem", { name: "Originator Connection Profiles", exact: true })
    .locator(".tree-row").first().click({ button: "right" });
  await menuEntry(page, "New Dial-out Profile for the WDN Network...").click();
  const wizard = pluginDialog(page);
  await wizard.waitFor();
  await expectPage(page, "Welcome");
  assert.equal(await wizard.getByRole("button", { name: "< Back", exact: true }).isEnabled(), false);

  await press(page, "Next >");
  await expectPage(page, "Access");
  assert.equal(await wizard.getByRole("radio", { name: "Dial out with the standard profile", exact: true }).isChecked(), true);
  await press(page, "Next >");
  // The demo system has lines to dial out on, so the wizard asks how to use them.
  await expectPage(page, "Connection");
  await press(page, "Next >");
  await expectPage(page, "Communications Port");
  const settled = page.waitForResponse((response) => response.url().endsWith("/api/dialog"));
  await wizard.getByLabel("Port:", { exact: true }).selectOption({ label: "CMN01" });
  await settled;
  await press(page, "Next >");
  await expectPage(page, "Line");
  await press(page, "Next >");
  await expectPage(page, "Modem");
  assert.equal(await wizard.getByLabel("Modem:", { exact: true }).inputValue(), "2771 INTERNAL MODEM");
  await press(page, "Next >");
  await expectPage(page, "Telephone Numbers");
  await typeInto(page, "Primary number:", "5558000");
  await typeInto(page, "Backup number:", "5558001");
  await press(page, "Next >");
  await expectPage(page, "Summary");
  assert.match(await wizard.textContent(), /Line: PPPLIN01/);
  await press(page, "Finish");

  const question = await messageBox(page);
  assert.match(question.text, /WDNDIAL is set up/);
  await answer(page, "yes");

  // The test dialog: the console moves the stand-in's clock a second at a time and the dialog
  // polls once a second, so the phases arrive one after another.
  const testDialog = pluginDialog(page);
  await page.waitForFunction(() => {
    const dialogs = document.querySelectorAll("#dialog-layer .plugin-dialog");
    const top = dialogs[dialogs.length - 1];
    return top && top.querySelector("header").textContent === "Testing Profile WDNDIAL";
  });
  await page.waitForFunction(() => {
    const dialogs = document.querySelectorAll("#dialog-layer .plugin-dialog");
    return dialogs[dialogs.length - 1].textContent.includes("Connected: the profile is active.");
  }, null, { timeout: 60000 });
  const rows = await testDialog.locator("table tbody tr").allTextContents();
  const at = (text) => rows.findIndex((row) => row.includes(text));
  assert.ok(at("The profile was started.") === 0, rows.join(" | "));
  assert.ok(at("LCP: starting") > 0, rows.join(" | "));
  assert.ok(at("LCP: opened") > at("LCP: starting"), rows.join(" | "));
  assert.ok(at("IPCP: starting") > at("LCP: opened"), rows.join(" | "));
  assert.ok(at("IPCP: opened") > at("IPCP: starting"), rows.join(" | "));
  assert.ok(at("Connected: the profile is active.") > at("IPCP: opened"), rows.join(" | "));

  await press(page, "Close");
  await page.waitForFunction(() => document.querySelectorAll("#dialog-layer .plugin-dialog").length === 0);
  const commands = await loggedCommands(page);
  assert.ok(commands.includes("QSYS/STRTCPPTP CFGPRF('WDNDIAL')"), commands.join("\n"));
  assert.ok(commands.includes("QSYS/ENDTCPPTP CFGPRF('WDNDIAL')"), commands.join("\n"));
  assert.deepEqual(problems, []);
});
