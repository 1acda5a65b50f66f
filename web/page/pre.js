// Runs before the module's own script: a browser without WebAssembly gets a plain sentence, in
// both the game's languages since no catalogue can be read without the module, instead of a
// blank page, and the module waits for the page's glue to start the game.
if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
  const notice = document.getElementById('notice');
  notice.textContent = 'SMASHBOL 2002 potřebuje prohlížeč s WebAssembly; tento prohlížeč jej nemá. / ' +
      'SMASHBOL 2002 needs a browser with WebAssembly; this browser has none.';
  throw new Error('no WebAssembly');
}
Module['print'] = (text) => console.log(text);
Module['printErr'] = (text) => console.warn(text);
