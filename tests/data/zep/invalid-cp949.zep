BEGIN picLayer
      Picture=
      MarginTop=500
      MarginBottom=500
      MarginLeft=500
      MarginRight=500
      Width=11907
      Height=16839.9
      Landscape=False
END
BEGIN txt±×¸®±â(1)
      Text=AÿB± C€
      FontName=x
      AutoSize=True
END
