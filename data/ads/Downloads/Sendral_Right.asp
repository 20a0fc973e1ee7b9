<!DOCTYPE html>
<html>
<head><meta charset="utf-8"><title>Jataka Desk</title></head>
<body style="background-color:#fffcec; font-family:sans-serif">
<h3 style="color:#6e320a">Jataka Desk</h3>
<p>Vedic horoscopes on your own computer.</p>
<p>Choose a window in the <b>Horoscope</b> list at the left to see another part
of the chart.</p>
<p>Choose <b>Help</b> from the menu bar to read how the program works.</p>
<p style="font-size:small">This page comes with the program; nothing is
fetched from the internet.</p>
</body>
</html>
