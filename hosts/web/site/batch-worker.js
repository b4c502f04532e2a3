// The worker of "Calcul sur un tableau": runs zenko-batch (zenko-batch-web.js
// / .wasm) away from the page, which stays responsive. It first posts the
// forms a table may run through; then each job {form, button, file (a File),
// site} gets progress messages and one answer {status, output (a Blob), lines,
// notes}.
'use strict';
importScripts('zenko-batch-web.js');

const ready = ZenkoBatch({
  onProgress: (done, total) => postMessage({ type: 'progress', done, total }),
});
ready.then(m => postMessage({ type: 'forms', forms: JSON.parse(m.UTF8ToString(m._zenko_batch_forms())) }),
           e => postMessage({ type: 'failed', why: String(e) }));

// Bytes copied into the module's memory; 0 for none.
function copyIn(m, bytes) {
  if (!bytes) return 0;
  const at = m._malloc(Math.max(bytes.length, 1));
  if (!at) throw new Error('mémoire insuffisante');
  m.HEAPU8.set(bytes, at);
  return at;
}

onmessage = async e => {
  const job = e.data;
  const m = await ready;
  const held = [];
  try {
    let table;
    try {
      table = new Uint8Array(await job.file.arrayBuffer());
    } catch (error) {
      throw new Error(`impossible de lire le fichier « ${job.file.name} ».`);
    }
    const name = new TextEncoder().encode(`${job.file.name}\0`);
    for (const b of [table, name, job.site]) held.push(copyIn(m, b));
    const status = m._zenko_batch_run(job.form, job.button, held[0], table.length, held[1], held[2]);
    // The result as a Blob, made here: the page's thread only links to it.
    const at = m._zenko_batch_output(), output = m.HEAPU8.subarray(at, at + m._zenko_batch_output_size());
    let lines = 0;
    for (let i = -1; (i = output.indexOf(10, i + 1)) >= 0;) ++lines;
    postMessage({ type: 'done', status, output: new Blob([output], { type: 'text/csv' }), lines,
                  notes: m.UTF8ToString(m._zenko_batch_notes()) });
  } catch (error) {
    postMessage({ type: 'done', status: 2, output: new Blob([]), lines: 0, notes: `zenko-batch : ${error.message}\n` });
  } finally {
    for (const at of held) if (at) m._free(at);
  }
};
