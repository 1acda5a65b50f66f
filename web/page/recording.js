// The recording: the module keeps the session, from the load on, as the script that the
// desktop's --record writes and smashbol-trace replays. A menu beside the game's offers it as a
// file at any time; with ?record the page also offers it by itself when a match or the game ends.
// The file is made in the page: nothing leaves the browser but by the player's download.
(function () {
  'use strict';

  const page = Module.smashbolPage, texts = Module.smashbolTexts;
  const two = (n) => String(n).padStart(2, '0');
  const started = new Date();
  // Named by the start, as its first line names it: smashbol-2024-05-01-1402.trace.
  const name = `smashbol-${started.getFullYear()}-${two(started.getMonth() + 1)}-` +
               `${two(started.getDate())}-${two(started.getHours())}${two(started.getMinutes())}.trace`;
  page.recordingName = name;

  async function download() {
    const text = await page.ask('smashbol_recording');
    if (!text) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  page.commands['recording-download'] = download;
  page.menus.push((view) => ({
    name: 'recording', caption: texts.recordingMenu, shortcut: '', visible: true, enabled: true,
    children: [{ name: 'recording-download', caption: texts.recordingDownload, shortcut: '',
                 visible: true, enabled: view.recording, children: [] }],
  }));

  const offer = document.createElement('div');
  offer.id = 'offer';
  offer.hidden = true;
  offer.setAttribute('role', 'status');
  const said = document.createElement('span');
  const save = document.createElement('button');
  save.type = 'button';
  const close = document.createElement('button');
  close.type = 'button';
  close.textContent = '\u00D7';
  page.onLanguage.push(() => {
    save.textContent = texts.download;
    close.title = texts.close;
    close.setAttribute('aria-label', texts.close);
  });
  offer.append(said, save, close);
  document.body.append(offer);
  save.addEventListener('click', () => {
    offer.hidden = true;
    download();
  });
  close.addEventListener('click', () => { offer.hidden = true; });

  page.onView.push((view, before) => {
    if (!page.settings.record || !view.recording || !before) return;
    const matchOver = view.decided && !before.decided;
    if (!matchOver && !(view.ended && !before.ended)) return;
    said.textContent = matchOver ? texts.matchOver : '';  // the game's end says so itself
    offer.hidden = false;
  });
})();
