// Adding and removing the systems the console manages.
import { api } from "./api.js";
import { confirmDialog, formDialog, orShowError } from "./console_dialogs.js";
import { navigate } from "./route.js";
import { app, applyState } from "./state.js";
import { t } from "./texts.js";

export async function addSystem() {
  const result = await formDialog(t("addSystemTitle"), [
    { name: "name", label: t("systemName"), maxLength: 8, value: "" },
    { name: "release", label: t("releaseField"), maxLength: 6, value: "050400" },
  ]);
  if (!result) return;
  await orShowError(async () => {
    applyState(await api("/api/systems/add", { name: result.name, release: result.release }));
    navigate({ system: result.name.toUpperCase() });
  });
}

export async function removeSystem(name) {
  if (!(await confirmDialog(t("removeSystem"), t("removeSystemQuestion", name)))) return;
  await orShowError(async () => {
    applyState(await api("/api/systems/remove", { name }));
    if (app.route.system === name) navigate({});
  });
}
