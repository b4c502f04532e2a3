// "Calcul sur un tableau": a table file run through one form by zenko-batch
// in a worker (batch-worker.js); the result table, the very bytes
// zenko-batch writes, is offered as a download, and what zenko-batch writes
// on its error output is shown in the page.
'use strict';

const ZenkoTables = (() => {
  const $ = id => document.getElementById(id);
  const formSelect = $('form'), buttonSelect = $('button'), fileInput = $('tableFile');
  const progress = $('progress'), status = $('status'), notes = $('notes');
  const runButton = $('run'), cancelButton = $('cancel'), download = $('download');
  let forms = [];
  let worker = null;
  let table = null;   // the File chosen
  let running = false;
  let url = null;

  // The 16 bytes of the site the main page stores; null when none is.
  function storedSite() {
    try {
      const hex = localStorage.getItem('Zenko.loc');
      if (hex === null || !/^[0-9a-f]{32}$/.test(hex)) return null;
      return Uint8Array.from({ length: 16 }, (_, i) => parseInt(hex.substr(2 * i, 2), 16));
    } catch (e) {
      return null;
    }
  }

  function say(text, state) {
    status.textContent = text;
    status.dataset.state = state;
  }

  function startWorker() {
    worker = new Worker('batch-worker.js');
    worker.onmessage = e => answers[e.data.type](e.data);
    worker.onerror = e => {
      e.preventDefault();
      finish();
      say(`Le calcul sur un tableau n'a pas pu démarrer\u00a0: ${e.message || 'erreur du module'}.`, 'failed');
    };
  }

  const answers = {
    forms: data => {
      if (forms.length) return;  // a worker started again after a cancel
      forms = data.forms;
      formSelect.textContent = '';
      for (const f of forms) formSelect.add(new Option(`${f.form} — ${f.title}`, f.form));
      const asked = Number(new URLSearchParams(location.search).get('formulaire'));
      if (forms.some(f => f.form === asked)) formSelect.value = asked;
      formSelect.disabled = fileInput.disabled = false;
      formChanged();
    },
    failed: data => say(`Le calcul sur un tableau n'a pas pu démarrer\u00a0: ${data.why}`, 'failed'),
    progress: data => {
      progress.value = data.total ? data.done / data.total : 1;
      say(`Calcul en cours… ${Math.floor(100 * progress.value)}\u00a0%`, 'running');
    },
    done: data => {
      finish();
      const rows = data.lines;
      notes.textContent = data.notes;
      notes.hidden = data.notes === '';
      if (data.output.size) offer(data.output);
      if (data.status === 0)
        say(`Calcul terminé\u00a0: ${lines(rows - 1)}, toutes calculées.`, 'done');
      else if (data.status === 1)
        say(`Calcul terminé\u00a0: ${lines(rows - 1)}\u00a0; une ligne au moins porte un message (colonne «\u00a0message\u00a0»).`, 'done');
      else
        say('Le tableau n\'a pas été calculé\u00a0:', 'failed');
      status.dataset.status = data.status;
    },
  };

  const lines = n => `${n.toLocaleString('fr-FR')} ${n > 1 ? 'lignes' : 'ligne'}`;

  function chosenForm() { return forms.find(f => f.form === Number(formSelect.value)); }

  function formChanged() {
    const f = chosenForm();
    buttonSelect.textContent = '';
    for (const b of f.buttons) {
      const option = new Option(`${b.label} (${b.name})`, b.id);
      option.dataset.name = b.name;
      buttonSelect.add(option);
    }
    $('buttonRow').hidden = f.buttons.length < 2;
    $('columns').textContent = f.columns;
  }

  // The result table offered as a download, and downloaded at once.
  function offer(blob) {
    if (url) URL.revokeObjectURL(url);
    url = URL.createObjectURL(blob);
    download.href = url;
    download.download = `${table.name.replace(/\.(csv|txt)$/i, '') || 'tableau'}-resultats.csv`;
    download.textContent = `Télécharger ${download.download}`;
    download.hidden = false;
    download.click();
  }

  function start() {
    if (!table || running || !forms.length) return;
    running = fileInput.disabled = runButton.disabled = true;
    cancelButton.hidden = false;
    download.hidden = notes.hidden = true;
    delete status.dataset.status;
    progress.value = 0;
    progress.hidden = false;
    say('Calcul en cours… 0\u00a0%', 'running');
    worker.postMessage({ form: chosenForm().form, button: Number(buttonSelect.value), file: table,
                         site: storedSite() });
  }

  function finish() {
    running = fileInput.disabled = false;
    runButton.disabled = !table;
    cancelButton.hidden = progress.hidden = true;
  }

  // The worker reads the file itself: the page's thread never holds its bytes.
  function take(file) {
    if (!file || running) return;
    table = file;
    $('dropText').textContent = `Tableau\u00a0: ${file.name} (${file.size.toLocaleString('fr-FR')} octets) — en choisir un autre`;
    start();
  }

  formSelect.addEventListener('change', formChanged);
  fileInput.addEventListener('change', () => { take(fileInput.files[0]); fileInput.value = ''; });
  runButton.addEventListener('click', start);
  cancelButton.addEventListener('click', () => {
    worker.terminate();
    startWorker();
    finish();
    say('Calcul annulé.', 'cancelled');
  });
  const drop = $('drop');
  drop.addEventListener('dragover', e => { e.preventDefault(); drop.classList.add('over'); });
  drop.addEventListener('dragleave', () => drop.classList.remove('over'));
  drop.addEventListener('drop', e => {
    e.preventDefault();
    drop.classList.remove('over');
    if (!fileInput.disabled) take(e.dataTransfer.files[0]);
  });

  startWorker();
  // For the tests: whether the page waits for the user.
  return { idle: () => forms.length > 0 && !running };
})();
